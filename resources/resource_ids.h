// Resource ids shared by the portable core and the resource scripts.
#pragma once

#define IDR_CONTENT_TYPES 363
