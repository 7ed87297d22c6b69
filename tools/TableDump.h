#pragma once

#include <QString>

class ParadoxTable;

// `testbank dump`: every field of every record in table order as CSV, a header row of the
// field names first; a blank value is an empty cell.
QString DumpTable(ParadoxTable &table);
