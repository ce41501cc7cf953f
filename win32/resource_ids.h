// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once

#define VELMORA_ICON_ID 1

#ifdef __cplusplus
namespace velmora::win32 {
inline constexpr int kIconId = VELMORA_ICON_ID;
}
#endif
