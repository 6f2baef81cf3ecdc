#pragma once

namespace torvane::device {

// Requests to the device worker; the numbers are fixed.
inline constexpr int REQ_STOP_KEY_CODE = 1224;
inline constexpr int REQ_READ_CONFIG = 1225;
inline constexpr int REQ_WRITE_FLASH = 1228;
inline constexpr int REQ_READ_KEY_CODE = 1229;

// Results, with their wParam:
inline constexpr int MSG_PC_KEY = 1324;          // UI only: a key captured on the PC
inline constexpr int MSG_DEVICE_REMOVED = 1325;  // UI only: the remembered adapter went away; 0
inline constexpr int MSG_READ_DONE = 1327;       // the read request's wParam
inline constexpr int MSG_PROGRESS = 1330;        // percent written, 1 to 100
inline constexpr int MSG_INCOMPATIBLE = 1331;    // 1 upgradable with the separate tool, 2 needs an older manager
inline constexpr int MSG_DEVICE_FAILED = 1332;   // 0; the last error text says where
inline constexpr int MSG_KEY_CODE = 1333;        // key code, 1 to 255

}  // namespace torvane::device
