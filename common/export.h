// Marks the functions a deliverable exports; everything else stays hidden.
#pragma once

#define GRAFYON_EXPORT __attribute__((visibility("default")))
