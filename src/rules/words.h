#pragma once

#include "base/money.h"

#include <QString>

namespace remitor {

// The amount in Bulgarian words for the "словом" field: capitalised number
// words, "и" before the last word of a number, the feminine "Една"/"Две" in
// the thousands, and a double blank wherever a group ends in 0 (as the forms
// have always printed it). The whole leva are words followed by "лв." when the
// currency is ЛЕВ, BGN or BGL in any letter case, otherwise by the currency
// text itself; the stotinki stay in figures: " 89 ст." or " 89 cent".
// 1234567.89 BGN reads
// "Един Милион Двеста Тридесет и Четири Хиляди Петстотин Шестдесет и Седем лв. 89 ст."
// The euro (see IsEuroText) is neuter: the units group says "Едно"/"Две"
// (the thousands stay feminine), the word is "евро", and the cents read
// " 1 цент", " 21 цент", otherwise " 11 цента", " 50 цента":
// 21.01 EUR reads "Двадесет и Едно евро 1 цент".
// The amount is first rounded to stotinki, so the words always match the
// printed figures. Zero or a negative amount gives an empty text; more than
// 999 999 999 999 whole units gives "ПРЕПЪЛВА".
QString AmountInWordsBG(const Money &amount, const QString &currency);

// True for the currency texts that mean the euro: EUR, EURO or ЕВРО in any
// letter case, blanks around them ignored.
bool IsEuroText(const QString &currency);

// The words of one group of three digits ("567"), with its trailing blank.
// `groupNo` 1..4 counts milliards, millions, thousands and units; group 3
// takes the feminine "Една"/"Две". A group of "000" gives a single blank.
// Characters other than digits count as 0; a shorter text is left-padded.
QString GroupInWordsBG(const QString &group, int groupNo);

// The amount in English words for the bilingual forms, with the three-letter
// currency code in place of the unit: 21.50 and "USD" read
// "Twenty One USD and Fifty  Cents". Rounded to cents first; a negative
// amount gives an empty text.
QString AmountInWordsEN(const Money &amount, const QString &currencyCode);

// "Словом / In words" of the bilingual forms: the Bulgarian words in the
// currency `currency`, "   /   ", and the English words with the code
// `currencyCode`. Empty when the amount is nothing, to the cent.
QString AmountInWordsBilingual(const Money &amount, const QString &currency,
                               const QString &currencyCode);

} // namespace remitor
