// The NACA 0012 coordinate file that tests and benchmarks read; plain C++, no test framework.
#pragma once

#include <string>

// A NACA 0012 outline with n pairs and cosine spacing, trailing edge over the upper side to the
// leading edge and back, six decimals as the published tables; name line "NACA 0012".
std::string NacaDatei(int n);
