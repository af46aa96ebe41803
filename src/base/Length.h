#pragma once
// Lengths are metres everywhere in the model; this is where they meet the user. The unit
// system is read from the application context at each call, so switching it converts nothing.

#include <string>
#include <string_view>

// How a length is shown and what a bare typed number means.
enum LengthKind : int { Length = 0, Millimetres = 1, FineInches = 2, FineMillimetres = 3 };

double FeetFromMetres(double metres);
double MetresFromFeet(double feet);

// Writes the display text of value for kinds Length, FineInches and FineMillimetres, and "N/A"
// for a value that is not a finite number whatever the kind; otherwise leaves out untouched
// (Millimetres is shown by the length edit itself).
void FormatLength(double value, std::string& out, LengthKind kind);

// Sums the parts of a typed length ("3' 10\"", "1 ft 6 in", "35mm") into metres. Never
// negative: a minus sign is an unknown unit. Unreadable text adds nothing; a number too large
// for a double reads as the largest finite one.
double ParseLength(std::string_view text, LengthKind kind);
