#pragma once

#include <QString>

#include <optional>

// The next series number of the student's account, kept in the record's folder: one more than
// the last one given out there, and more than `above`. A lock makes two copies running at
// once take different numbers. Nothing when the folder cannot be written.
std::optional<int> nextSeriesNumber(const QString &folder, int above = 0);
