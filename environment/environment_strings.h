// The environment library's numbered texts.
#pragma once

#include <string>

// Numbers of our own for the dialog texts beyond the library's numbered strings.
inline constexpr int VRNK_STR_NAME = 1;
inline constexpr int VRNK_STR_FOLDER_CAPTION = 512;
inline constexpr int VRNK_STR_FOLDER_PROMPT = 513;
inline constexpr int VRNK_STR_WORKSPACE_TITLE = 600;
inline constexpr int VRNK_STR_EXPORT_FILTER_SETTINGS = 601;
inline constexpr int VRNK_STR_CONFIGURE = 602;
inline constexpr int VRNK_STR_CLOSE = 603;
inline constexpr int VRNK_STR_VARIABLES_TITLE = 604;
inline constexpr int VRNK_STR_EXPORT_FILTER_PATH = 605;
inline constexpr int VRNK_STR_SET = 606;

std::string VarnokastellString(int id);
