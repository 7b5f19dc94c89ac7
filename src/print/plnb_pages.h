#pragma once

#include "print/page_fill.h"

namespace remitor {

// The payment order / deposit slip to or from the budget on paper.
const PageLayout &PrintPlnBLayout();
const KindPrint &BudgetOrderPrint();

// The parts of the form that the four-item order prints alike: the order
// is framed from Left to Right, in rows of a caption over a value (ValueRow
// high) or over boxes (BoxRow high), each row under a line.
namespace budgetpage {

inline constexpr int Left = 1000;
inline constexpr int Right = 10900;
inline constexpr int ValueRow = 340;
inline constexpr int BoxRow = 360;
inline constexpr int FrameTop = 840;

// The bank the order is handed to, the unique number and the date, above the frame.
QList<PageElement> header();
// The payee's name, account, BIC (and the payment type in `payType` when
// it is not empty) and bank, from `top`: three rows.
QList<PageElement> payee(int top, const QString &payType);
// The form's title beside the currency, the amount (`amountCaption`) and,
// when `payType` names its field, the order's payment type; then the amount
// in words: two rows, 450 and ValueRow high.
QList<PageElement> amount(int top, const QString &amountCaption, const QString &payType = {});
// A date in eight boxes, and its caption over them.
QList<PageElement> fullDate(const QString &name, const QString &caption, int left, int top);
// The liable person and its identifiers, the payer and its account, the
// payment system, the charges and the execution date: five rows.
QList<PageElement> parties(int top);
inline constexpr int PartiesHeight = 3 * BoxRow + 2 * ValueRow;
// The footnotes of the document kinds and the charges under the frame,
// and with `payType` of the payment type (three or four lines).
QList<PageElement> footnotes(int top, bool payType);
// The signatures under the order.
QList<PageElement> signatures(int top);

}  // namespace budgetpage

}  // namespace remitor
