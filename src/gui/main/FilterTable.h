#pragma once

#include <QString>

// The items of the filter box and the file list pattern each one sets, in the order in which
// the box shows them: seven groups, each a group item followed by its single types.
namespace FilterTable {

int count();
QString itemText(int index);
QString pattern(int index);

} // namespace FilterTable
