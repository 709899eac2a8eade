// Ids of the control tests' fixtures (read by windres and C++).
#pragma once

#define IDR_HALVES_GIF 1
