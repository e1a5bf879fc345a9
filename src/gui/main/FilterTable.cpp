#include "gui/main/FilterTable.h"

#include <array>

namespace FilterTable {

namespace {

struct Filter {
    const char16_t *text;
    const char16_t *pattern;
};

constexpr std::array<Filter, 42> filters = {{
    {u"*.*  (Minden file)", u"*.*"},
    {u"*.picture (Képfile-ok)", u"*.bmp;*.gif;*.jpe;*.jpg;*.pcx;*.tif"},
    {u"*.bmp", u"*.bmp"},
    {u"*.gif", u"*.gif"},
    {u"*.jpe", u"*.jpe"},
    {u"*.jpg", u"*.jpg"},
    {u"*.pcx", u"*.pcx"},
    {u"*.tif", u"*.tif"},
    {u"*.ico *.ani *.cur (Ikon és kurzorfile-ok)", u"*.ico;*.ani;*.cur"},
    {u"*.ico", u"*.ico"},
    {u"*.ani", u"*.ani"},
    {u"*.cur", u"*.cur"},
    {u"*.sound (Hangfile-ok)", u"*.mid;*.mod;*.mp3;*.voc;*.wav"},
    {u"*.mid", u"*.mid"},
    {u"*.mod", u"*.mod"},
    {u"*.mp3", u"*.mp3"},
    {u"*.voc", u"*.voc"},
    {u"*.wav", u"*.wav"},
    {u"*.works (Munkafile-ok)", u"*.doc;*.pdf;*.txt;*.htm;*.mdb;*.vbp;*.xls"},
    {u"*.doc", u"*.doc"},
    {u"*.pdf", u"*.pdf"},
    {u"*.txt", u"*.txt"},
    {u"*.htm", u"*.htm"},
    {u"*.mdb", u"*.mdb"},
    {u"*.vbp", u"*.vbp"},
    {u"*.xls", u"*.xls"},
    {u"*.run (Futtatható file-ok)", u"*.bat;*.com;*.exe"},
    {u"*.bat", u"*.bat"},
    {u"*.com", u"*.com"},
    {u"*.exe", u"*.exe"},
    {u"*.pack (Tömörített file-ok)", u"*.ace;*.arj;*.rar;*.zip"},
    {u"*.ace", u"*.ace"},
    {u"*.arj", u"*.arj"},
    {u"*.rar", u"*.rar"},
    {u"*.zip", u"*.zip"},
    {u"*.system (Rendszerfile-ok)", u"*.bin;*.dll;*.ini;*.log;*.sys;*.tmp"},
    {u"*.bin", u"*.bin"},
    {u"*.dll", u"*.dll"},
    {u"*.ini", u"*.ini"},
    {u"*.log", u"*.log"},
    {u"*.sys", u"*.sys"},
    {u"*.tmp", u"*.tmp"},
}};

} // namespace

int count()
{
    return int(filters.size());
}

QString itemText(int index)
{
    return QString::fromUtf16(filters.at(size_t(index)).text);
}

QString pattern(int index)
{
    return QString::fromUtf16(filters.at(size_t(index)).pattern);
}

} // namespace FilterTable
