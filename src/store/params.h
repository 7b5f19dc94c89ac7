#pragma once

#include "store/record.h"

namespace remitor {

class Store;

// The program's version, written into the parameter record on every save.
inline constexpr auto ProgramVersion = u"4.16";

// Records of the two single-row tables, empty.
Record NewParamRecord();
Record NewFirmaRecord();

// Reads the parameter record, fills the signature lines and the
// order-receipt note that were never set with their defaults, and saves it
// back. A row that cannot be read is dropped with its table, so that the
// next open creates it anew.
void LoadParams(Store &store, Record &params);
// Writes the parameter record as the one row of its table, in the current
// layout, in one transaction: the old row stays if anything fails.
bool SaveParams(Store &store, Record &params);

// The own company: one row, or an empty record when there is none.
void LoadFirma(Store &store, Record &firma);
bool SaveFirma(Store &store, const Record &firma);

// The firm's own bank accounts (FirmaBankTable) in their order, and all of
// them stored at once in place of the old ones, in one transaction.
QList<Record> LoadOwnAccounts(Store &store);
bool SaveOwnAccounts(Store &store, const QList<Record> &accounts);

// Colour printing is on when the number in DanNomer is 0 (or empty) or
// greater than 1.
bool ColorPrintingFrom(const Record &params);

}  // namespace remitor
