// The stand-in for the service's MsftFileSystemImage: IFileSystemImage and its directory
// items, file items and result, over the portable image core.
#pragma once

#include "Imapi2Interfaces.h"

namespace quillon::discservice {

HRESULT CreateStandInFileSystemImage(REFIID iid, void** out);

} // namespace quillon::discservice
