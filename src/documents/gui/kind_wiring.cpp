#include "documents/gui/kind_wiring.h"

#include "print/pln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

QList<KindWiring> build()
{
    QList<KindWiring> w;

    KindWiring pln;
    pln.kind = u"Pln"_s;
    pln.form = {&CreditTransferForm, 10800, 9560};
    pln.secondPage = {&CreditTransferSecondForm, 9840, 4860, u"frmPln2"_s,
                      u"Данни за преводи между местни и чуждестранни лица"_s};
    pln.print = &CreditTransferPrint;
    pln.pageChoice = u"Check1"_s;
    pln.menuItem = u"mnuPln"_s;
    pln.toolButton = u"cmdNKP"_s;
    w << pln;

    return w;
}

}  // namespace

const QList<KindWiring> &kindWirings()
{
    static const QList<KindWiring> table = build();
    return table;
}

const KindWiring *wiringOf(const QString &kind)
{
    for (const KindWiring &w : kindWirings())
        if (w.kind == kind)
            return &w;
    return nullptr;
}

}  // namespace remitor
