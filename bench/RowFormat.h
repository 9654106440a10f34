#pragma once

#include "ChildProcess.h"
#include "Table.h"

#include <initializer_list>
#include <string>

// Reading a child's reports and writing them into the table's cells.

// The reported number, or NaN when the child did not report it.
double valueOf(const ChildProcess::Result& result, const std::string& key);
// The child ended well and reported every one of the keys.
bool reported(const ChildProcess::Result& result, std::initializer_list<const char*> keys);

std::string fixed(double value, int decimals);
std::string megabytes(double kilobytes);

// A row whose figure could not be measured, with the reason and where to look.
Row unmeasured(std::string figure, std::string goal, const std::string& reason);
Verdict judge(bool met);
