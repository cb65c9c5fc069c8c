// The about library's numbered texts.
#pragma once

#include <string>

std::string BriselString(int id);
