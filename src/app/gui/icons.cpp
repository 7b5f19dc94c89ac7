#include "icons.h"

#include "base/gui/tile_icon.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace remitor {


QIcon buttonIcon(const QString &name)
{
    const QColor bank(0, 102, 170), budget(0, 128, 64), cash(176, 96, 0), tool(96, 96, 120),
        out(170, 30, 30);
    static const QHash<QString, std::pair<QString, QColor>> tiles = {
        {u"cmdExit"_s, {u"Х"_s, out}},          {u"cmdHelp"_s, {u"?"_s, tool}},
        {u"cmdPacking"_s, {u"РП"_s, tool}},     {u"cmdKomand"_s, {u"ЗК"_s, tool}},
        {u"cmdKasa"_s, {u"КК"_s, cash}},        {u"cmdRKO"_s, {u"РКО"_s, cash}},
        {u"cmdPKO"_s, {u"ПКО"_s, cash}},        {u"cmdRAZ"_s, {u"НР"_s, cash}},
        {u"cmdVNB"_s, {u"ВБ"_s, cash}},         {u"cmdSDD"_s, {u"СДД"_s, bank}},
        {u"cmdNMP"_s, {u"НМП"_s, bank}},        {u"cmdNDD"_s, {u"ДД"_s, bank}},
        {u"cmdNKP"_s, {u"КП"_s, bank}},         {u"cmdBpn"_s, {u"БПН"_s, budget}},
        {u"cmdPlnB4"_s, {u"Б4"_s, budget}},     {u"cmdPlnB"_s, {u"ПБ"_s, budget}},
        {u"cmdKlients"_s, {u"К"_s, QColor(90, 60, 140)}},
    };
    const auto t = tiles.value(name, {u"·"_s, tool});
    return tileIcon(t.first, t.second);
}

QIcon programIcon()
{
    return tileIcon(u"R"_s, QColor(0, 51, 102));
}

}  // namespace remitor
