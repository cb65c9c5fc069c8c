// The messaging library's numbered texts.
#pragma once

#include <string>

std::string KoMsgString(int id);
