#pragma once
// Names that Windows takes for devices in any folder: "AUX.sta" or
// "COM1.mem" opens a port, reading it may block for ever, and writing "NUL"
// succeeds without storing anything. A client of the share that is not
// Windows can create such files, and Encode keeps letters and digits, so
// the store checks every group and code before a path reaches the files.
#include <string>

#include "store/StatusRecord.h"

namespace quorvel {

// CON, PRN, AUX, NUL, COM0-COM9 and LPT0-LPT9 in any case, alone or with
// an extension.
bool IsDeviceName(const std::string& fileName);
// True when the group's folder would be a device.
bool IsDeviceGroup(const std::string& group);
// True when the member's folder or its status and memo files would be.
bool IsDeviceMember(const StatusRecord& record);

}  // namespace quorvel
