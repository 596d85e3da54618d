// Links the Qt-free part of the device link with the Windows HID layer: built by
// scripts/ci-windows.sh so that the Windows code keeps compiling and linking.
#include "CHidDevice.h"

int main()
{
    CHidDevice device(DefaultHidPlatform());
    if (device.reopen() != 1)
        return 1;
    const short nCount = device.collectGroup(0);
    FreeGroup(device.takeRecords(), nCount > 0 ? nCount : 0);
    return nCount < 0 ? 2 : 0;
}
