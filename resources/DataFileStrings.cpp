// String tables of the data set's file names: the modes, the table's game objects, sprites and
// dealer skit lists, as the program looks them up.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"

namespace {

// The craps table and the intro, as the game file lists them.
constexpr TStringResource ModeStrings[] = {
    {10003, "f1craps.m"},
    {10067, "s4intro.m"},
};

// Paths under the data root: the lord and seat game objects, the table objects' sprites, the
// shooter and odds animations, and the dealer's skit lists. 13013, 13062 and 13137 are not
// used; a few names here are loaded by nothing but kept with their ids.
constexpr TStringResource TableFileStrings[] = {
    {13002, "\\f1glrd00\\f1glrd00.go"},  {13003, "\\f1humn01\\f1humn01.go"},
    {13004, "\\f1humn02\\f1humn02.go"},  {13005, "\\f1humn03\\f1humn03.go"},
    {13006, "\\f1glrd00\\f100b600.sp"},  {13007, "\\f1glrd00\\f100b700.sp"},
    {13008, "\\f1glrd00\\f100b800.sp"},  {13009, "\\f1glrd00\\f100b900.sp"},
    {13010, "\\f1glrd00\\f100ba00.sp"},  {13011, "\\f1glrd00\\f100bb00.sp"},
    {13012, "\\f1glrd00\\f100ch00.sp"},  {13014, "\\f1glrd00\\f100sb00.sp"},
    {13015, "\\f1glrd00\\f100bs00.sp"},  {13016, "\\f1glrd00\\f100bs01.sp"},
    {13017, "\\f1glrd00\\f100bs02.sp"},  {13018, "\\f1glrd00\\f100bs03.sp"},
    {13019, "\\f1glrd00\\f100bs04.sp"},  {13020, "\\f1glrd00\\f100bs05.sp"},
    {13021, "\\f1glrd00\\f100bs06.sp"},  {13022, "\\f1glrd00\\f100bs07.sp"},
    {13023, "\\f1glrd00\\f100bs08.sp"},  {13024, "\\f1glrd00\\f100bs09.sp"},
    {13025, "\\f1glrd00\\f100bs0a.sp"},  {13026, "\\f1glrd00\\f100bs0b.sp"},
    {13027, "\\f1glrd00\\f100bs0c.sp"},  {13028, "\\f1glrd00\\f100bs0d.sp"},
    {13029, "\\f1glrd00\\f100bs0e.sp"},  {13030, "\\f1glrd00\\f100bs0f.sp"},
    {13031, "\\f1glrd00\\f100bs0g.sp"},  {13032, "\\f1glrd00\\f100bs0h.sp"},
    {13033, "\\f1glrd00\\f100bs0i.sp"},  {13034, "\\f1glrd00\\f100bs0j.sp"},
    {13035, "\\f1glrd00\\f100bs0k.sp"},  {13036, "\\f1glrd00\\f100bs0l.sp"},
    {13037, "\\f1glrd00\\f100bs0m.sp"},  {13038, "\\f1glrd00\\f100bs0n.sp"},
    {13039, "\\f1glrd00\\f100bs0o.sp"},  {13040, "\\f1glrd00\\f100bs0p.sp"},
    {13041, "\\f1glrd00\\f100bs0q.sp"},  {13042, "\\f1glrd00\\f100bs0r.sp"},
    {13043, "\\f1glrd00\\f100bs0s.sp"},  {13044, "\\f1glrd00\\f100bs0t.sp"},
    {13045, "\\f1glrd00\\f100bs0u.sp"},  {13046, "\\f1glrd00\\f100bs0v.sp"},
    {13047, "\\f1glrd00\\f100bs0w.sp"},  {13048, "\\f1glrd00\\f100bs0x.sp"},
    {13049, "\\f1glrd00\\f100bs0y.sp"},  {13050, "\\f1glrd00\\f100bs0z.sp"},
    {13051, "\\f1glrd00\\f100bs10.sp"},  {13052, "\\f1glrd00\\f100bs11.sp"},
    {13053, "\\f1glrd00\\f100bs12.sp"},  {13054, "\\f1glrd00\\f100bs13.sp"},
    {13055, "\\f1glrd00\\f100bs14.sp"},  {13056, "\\f1glrd00\\f100bs15.sp"},
    {13057, "\\f1glrd00\\f100bs16.sp"},  {13058, "\\f1glrd00\\f100bs17.sp"},
    {13059, "\\f1glrd00\\f100bs18.sp"},  {13060, "\\f1glrd00\\f100bs19.sp"},
    {13061, "\\f1glrd00\\f100bs1a.sp"},  {13063, "\\f1glrd00\\f100di01.sp"},
    {13064, "\\f1glrd00\\f100di02.sp"},  {13065, "\\f1glrd00\\f100di03.sp"},
    {13066, "\\f1glrd00\\f100di04.sp"},  {13067, "\\f1glrd00\\f100di05.sp"},
    {13068, "\\f1glrd00\\f100di06.sp"},  {13069, "\\f1glrd00\\f100di0g.sp"},
    {13070, "\\f1glrd00\\f100di0h.sp"},  {13071, "\\f1glrd00\\f100di0i.sp"},
    {13072, "\\f1glrd00\\f100di0.sp"},   {13073, "\\f1glrd00\\f100pp00.sp"},
    {13074, "\\f1glrd00\\f100bp00.sp"},  {13075, "\\f1glrd00\\f100circ.sp"},
    {13076, "\\f1glrd00\\f100bc00.sp"},  {13077, "\\f1glrd00\\f100bd00.sp"},
    {13078, "\\f1glrd00\\f100be00.sp"},  {13079, "\\f1glrd00\\f100bf00.sp"},
    {13080, "\\f1glrd00\\f100bg00.sp"},  {13081, "\\f1glrd00\\f100bh00.sp"},
    {13082, "\\f1glrd00\\f100bi00.sp"},  {13083, "\\f1glrd00\\f100bj00.sp"},
    {13084, "\\f1glrd00\\f100mess.sp"},  {13085, "\\f1glrd00\\f100nt01.sp"},
    {13086, "\\f1glrd00\\f100nt02.sp"},  {13087, "\\f1glrd00\\f100nt03.sp"},
    {13088, "\\f1glrd00\\f100bank.sp"},  {13089, "\\f1glrd00\\f100unit.sp"},
    {13090, "\\f1glrd00\\f100sond.sp"},  {13091, "\\f1glrd00\\f100ha04.sp"},
    {13092, "\\f1glrd00\\f100ha08.sp"},  {13093, "\\f1glrd00\\f100hb02.sp"},
    {13094, "\\f1glrd00\\f100hb08.sp"},  {13095, "\\f1glrd00\\f100hc02.sp"},
    {13096, "\\f1glrd00\\f100hc0a.sp"},  {13097, "\\f1glrd00\\f100odds.sp"},
    {13098, "\\f1glrd00\\f100kccg.skl"}, {13099, "\\f1glrd00\\f100kccp.skl"},
    {13100, "\\f1glrd00\\f100kcrc.skl"}, {13101, "\\f1glrd00\\f100kcyy.skl"},
    {13102, "\\f1glrd00\\f100kccl.skl"}, {13103, "\\f1glrd00\\f100.skl"},
    {13104, "\\f1glrd00\\f100kcrr.skl"}, {13105, "\\f1glrd00\\f100kcya.skl"},
    {13106, "\\f1glrd00\\f100.skl"},     {13107, "\\f1glrd00\\f100kcca.skl"},
    {13108, "\\f1glrd00\\f100kcsa.skl"}, {13109, "\\f1glrd00\\f100kcsb.skl"},
    {13110, "\\f1glrd00\\f100kcsc.skl"}, {13111, "\\f1glrd00\\f100kcta.skl"},
    {13112, "\\f1glrd00\\f100kctb.skl"}, {13113, "\\f1glrd00\\f100kctc.skl"},
    {13114, "\\f1glrd00\\f100kcd1.skl"}, {13115, "\\f1glrd00\\f100kcd2.skl"},
    {13116, "\\f1glrd00\\f100kcd3.skl"}, {13117, "\\f1glrd00\\f100kcla.skl"},
    {13118, "\\f1glrd00\\f100kclb.skl"}, {13119, "\\f1glrd00\\f100kclc.skl"},
    {13120, "\\f1glrd00\\f100kcpm.skl"}, {13121, "\\f1glrd00\\f100kcgm.skl"},
    {13122, "\\f1glrd00\\f100kcr1.skl"}, {13123, "\\f1glrd00\\f100kcr2.skl"},
    {13124, "\\f1glrd00\\f100kcr3.skl"}, {13125, "\\f1glrd00\\f100kcr4.skl"},
    {13126, "\\f1glrd00\\f100kcr5.skl"}, {13127, "\\f1glrd00\\f100kcr6.skl"},
    {13128, "\\f1glrd00\\f100kcr7.skl"}, {13129, "\\f1glrd00\\f100kcr8.skl"},
    {13130, "\\f1glrd00\\f100kcr9.skl"}, {13131, "\\f1glrd00\\f100kcra.skl"},
    {13132, "\\f1glrd00\\f100kcrb.skl"}, {13133, "\\f1glrd00\\f100kcrc.skl"},
    {13134, "\\f1glrd00\\f100kcrd.skl"}, {13135, "\\f1glrd00\\f100kcre.skl"},
    {13136, "\\f1glrd00\\f100kcrf.skl"}, {13138, "\\f1glrd00\\f100kcrh.skl"},
    {13139, "\\f1glrd00\\f100kcri.skl"}, {13140, "\\f1glrd00\\f100kcrj.skl"},
    {13141, "\\f1glrd00\\f100kcrk.skl"}, {13142, "\\f1glrd00\\f100kcrl.skl"},
    {13143, "\\f1glrd00\\f100kcrm.skl"}, {13144, "\\f1glrd00\\f100kcea.skl"},
    {13145, "\\f1glrd00\\f100kceb.skl"}, {13146, "\\f1glrd00\\f100kcec.skl"},
    {13147, "\\f1glrd00\\f100kcrg.skl"}, {13148, "\\f1glrd00\\f100kcbb.skl"},
    {13149, "\\f1glrd00\\f100kcbc.skl"}, {13150, "\\f1glrd00\\f100kccc.skl"},
    {13151, "\\f1glrd00\\f100kcp4.skl"}, {13152, "\\f1glrd00\\f100kcp5.skl"},
    {13153, "\\f1glrd00\\f100kcp6.skl"}, {13154, "\\f1glrd00\\f100kcp8.skl"},
    {13155, "\\f1glrd00\\f100kcp9.skl"}, {13156, "\\f1glrd00\\f100kcba.skl"},
    {13157, "\\f1glrd00\\f100kcpa.skl"}, {13158, "\\f1glrd00\\f100kcga.skl"},
    {13159, "\\f1glrd00\\f100kcgb.skl"}, {13160, "\\f1glrd00\\f100kcgc.skl"},
    {13161, "\\f1glrd00\\f100kcrn.skl"}, {13162, "\\f1glrd00\\f100kcro.skl"},
    {13163, "\\f1glrd00\\f100kcrp.skl"}, {13164, "\\f1glrd00\\f100kcrq.skl"},
    {13165, "\\f1glrd00\\f100kcrr.skl"}, {13166, "\\f1glrd00\\f100kcrs.skl"},
};

} // namespace

void RegisterDataFileStrings() {
    TResourceRegistry::Get().AddStrings(ModeStrings);
    TResourceRegistry::Get().AddStrings(TableFileStrings);
}
