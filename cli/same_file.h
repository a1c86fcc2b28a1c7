// Whether two output names reach one file.
#pragma once

#include <string>

// True when both names resolve to the same path, existing or not ("x.png"
// and "./x.png" do).
bool SameFile(const std::string& first, const std::string& second);
