// Data-file names: the rule every stored name follows, the order they sort in, and the forms
// the catalogue and the disk use.
#pragma once

#include <string>
#include <vector>

// A stored name is lower case from [a-z0-9._\]: a path under the data root with a leading
// backslash ("\f1glrd00\f100bs00.sp"), or a bare name at the root ("casino.g"); no empty
// part and no climbing out. A name breaking this throws a build error naming the item.
void CheckDataName(const std::string& name, const std::string& item);
// The engine's order of names (JorpNameCompare).
bool NameBefore(const std::string& a, const std::string& b);
void SortNames(std::vector<std::string>& names);
// The name as the catalogue holds it: from the root, without the leading backslash.
std::string CatalogueName(const std::string& name);
// The name as a path relative to the data folder, with forward slashes.
std::string HostRelativeName(const std::string& name);
