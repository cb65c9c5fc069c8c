// How the viewer names itself: to the user, and to the family's environment library.
#pragma once

namespace grafyon {

// The program's name in window titles, the trace log and the about box.
inline constexpr char APP_NAME[] = "Grafy";

// The caller number the viewer passes to every call of the environment library.
inline constexpr int ENVIRONMENT_CALLER = 8;

}  // namespace grafyon
