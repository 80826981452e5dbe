// TRecordField and TLayoutOf: a byte layout of the save file written once, as a table of
// fields that both reads and writes the record.
#pragma once

#include "engine/foundation/Money.h"
#include "engine/framework/PlayerData.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

// A record type's layout: a specialisation holding `Size` and `Fields`, a table of
// TRecordField in the order of their offsets. A record whose fields are private makes every
// TLayoutOf its friend.
template <class T> struct TLayoutOf;

// Little-endian codecs by the member's type; each knows its width on the disk.
template <class V> struct TFieldCodec;

template <> struct TFieldCodec<u8> {
    static constexpr size_t Width = 1;
    static void Read(u8& value, const u8* at) { value = at[0]; }
    static void Write(u8 value, u8* at) { at[0] = value; }
};

template <> struct TFieldCodec<u16> {
    static constexpr size_t Width = 2;
    static void Read(u16& value, const u8* at) { value = JorpGetU16(at); }
    static void Write(u16 value, u8* at) { JorpPutU16(at, value); }
};

template <> struct TFieldCodec<i16> {
    static constexpr size_t Width = 2;
    static void Read(i16& value, const u8* at) { value = static_cast<i16>(JorpGetU16(at)); }
    static void Write(i16 value, u8* at) { JorpPutU16(at, static_cast<u16>(value)); }
};

template <> struct TFieldCodec<u32> {
    static constexpr size_t Width = 4;
    static void Read(u32& value, const u8* at) { value = JorpGetU32(at); }
    static void Write(u32 value, u8* at) { JorpPutU32(at, value); }
};

// Raw: a session's stored non-number is kept so that whoever reads it can see it is one.
template <> struct TFieldCodec<double> {
    static constexpr size_t Width = 8;
    static void Read(double& value, const u8* at) { value = JorpGetF64(at); }
    static void Write(double value, u8* at) { JorpPutF64(at, value); }
};

template <> struct TFieldCodec<TMoney> {
    static constexpr size_t Width = 8;
    static void Read(TMoney& value, const u8* at) { value = TMoney(JorpGetF64(at)); }
    static void Write(const TMoney& value, u8* at) { JorpPutF64(at, value.GetValue()); }
};

// A bankroll that is no finite number would poison every sum it enters: it reads as 0.0.
struct TFiniteF64Codec {
    static constexpr size_t Width = 8;
    static double Get(const u8* at) {
        const double value = JorpGetF64(at);
        return std::isfinite(value) ? value : 0.0;
    }
    static void Read(double& value, const u8* at) { value = Get(at); }
    static void Write(double value, u8* at) { JorpPutF64(at, value); }
};

// Fixed single-byte text, NUL-terminated in memory whatever the file holds.
template <size_t N> struct TTextCodec {
    static constexpr size_t Width = N;
    static void Read(char (&text)[N], const u8* at) {
        for (size_t i = 0; i < N; ++i)
            text[i] = static_cast<char>(at[i]);
        text[N - 1] = '\0';
    }
    static void Write(const char (&text)[N], u8* at) {
        for (size_t i = 0; i < N; ++i)
            at[i] = static_cast<u8>(text[i]);
    }
};

template <class V, size_t N> struct TFieldCodec<std::array<V, N>> {
    static constexpr size_t Width = N * TFieldCodec<V>::Width;
    static void Read(std::array<V, N>& values, const u8* at) {
        for (size_t i = 0; i < N; ++i)
            TFieldCodec<V>::Read(values[i], at + i * TFieldCodec<V>::Width);
    }
    static void Write(const std::array<V, N>& values, u8* at) {
        for (size_t i = 0; i < N; ++i)
            TFieldCodec<V>::Write(values[i], at + i * TFieldCodec<V>::Width);
    }
};

template <class V, size_t N> struct TFieldCodec<V[N]> {
    static constexpr size_t Width = N * TFieldCodec<V>::Width;
    static void Read(V (&values)[N], const u8* at) {
        for (size_t i = 0; i < N; ++i)
            TFieldCodec<V>::Read(values[i], at + i * TFieldCodec<V>::Width);
    }
    static void Write(const V (&values)[N], u8* at) {
        for (size_t i = 0; i < N; ++i)
            TFieldCodec<V>::Write(values[i], at + i * TFieldCodec<V>::Width);
    }
};

template <class T>
concept HasRecordLayout = requires {
    TLayoutOf<T>::Size;
};

// A record held inside another (a session in the history, a base class's part) is read and
// written by its own table.
template <HasRecordLayout V> struct TFieldCodec<V> {
    static constexpr size_t Width = TLayoutOf<V>::Size;
    static void Read(V& record, const u8* at) {
        for (const auto& field : TLayoutOf<V>::Fields)
            field.Read(record, at + field.At);
    }
    static void Write(const V& record, u8* at) {
        for (const auto& field : TLayoutOf<V>::Fields)
            field.Write(record, at + field.At);
    }
};

template <class T> struct TRecordField {
    std::string_view Name;
    size_t At;
    size_t Width;
    void (*Read)(T& record, const u8* at);
    void (*Write)(const T& record, u8* at);
};

template <class M> struct TMemberType;
template <class C, class V> struct TMemberType<V C::*> { using Type = V; };

// The member at this offset, read and written by its type's codec or the one given.
template <class T, auto Member,
          class Codec = TFieldCodec<typename TMemberType<decltype(Member)>::Type>>
constexpr TRecordField<T> Field(std::string_view name, size_t at) {
    return {name, at, Codec::Width,
            [](T& record, const u8* bytes) { Codec::Read(record.*Member, bytes); },
            [](const T& record, u8* bytes) { Codec::Write(record.*Member, bytes); }};
}

// The part of the record that its base class lays out, by the base's own table.
template <class T, HasRecordLayout Base>
constexpr TRecordField<T> BaseField(std::string_view name) {
    return {name, 0, TLayoutOf<Base>::Size,
            [](T& record, const u8* bytes) {
                TFieldCodec<Base>::Read(static_cast<Base&>(record), bytes);
            },
            [](const T& record, u8* bytes) {
                TFieldCodec<Base>::Write(static_cast<const Base&>(record), bytes);
            }};
}

// The fields lie end to end from offset 0 and fill the record exactly: no gap nor overlap,
// so a size check on the whole record bounds every field.
template <class T, size_t N>
constexpr bool FieldsTile(const TRecordField<T> (&fields)[N], size_t size) {
    size_t next = 0;
    for (const TRecordField<T>& field : fields) {
        if (field.At != next || field.Width == 0)
            return false;
        next += field.Width;
    }
    return next == size;
}

// The named field; naming one the table lacks stops the build where it is used.
template <class T> constexpr const TRecordField<T>& FieldNamed(std::string_view name) {
    for (const TRecordField<T>& field : TLayoutOf<T>::Fields)
        if (field.Name == name)
            return field;
    throw std::logic_error("no such field");
}

// False, and nothing taken, when fewer than the layout's bytes are given.
template <HasRecordLayout T> bool DecodeRecord(T& record, std::span<const u8> bytes) {
    if (bytes.data() == nullptr || bytes.size() < TLayoutOf<T>::Size)
        return false;
    TFieldCodec<T>::Read(record, bytes.data());
    return true;
}

// False, and nothing written, when the area is smaller than the layout.
template <HasRecordLayout T> bool EncodeRecord(const T& record, std::span<u8> bytes) {
    if (bytes.data() == nullptr || bytes.size() < TLayoutOf<T>::Size)
        return false;
    TFieldCodec<T>::Write(record, bytes.data());
    return true;
}
