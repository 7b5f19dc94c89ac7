#pragma once

#include "print/page_fill.h"

namespace remitor {

// The currency buy/sell order on paper ("PrintBuyValuta"): the bank, the
// account holder, and both sides of the order, the buy side and the sell
// side, under the heading of the side the window shows: "ПОКУПКА / BUY" on
// the page, "ПРОДАЖБА / SELL" on the page with the second choice.
const PageLayout &PrintBuyValutaLayout();
const PageLayout &PrintSellValutaLayout();
const KindPrint &CurrencyBuySellPrint();

// What the order prints for the amount in words of a side: the words kept
// with the order, unless they are the words of its amount cut to the
// field's width (or none): then the whole words, in both languages.
QString BuySellWords(const Record &record, int side);

}  // namespace remitor
