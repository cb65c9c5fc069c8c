// The export library's numbered texts.
#pragma once

#include <string>

std::string QuenarString(int id);
