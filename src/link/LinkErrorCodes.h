#pragma once
// Error codes of the link component's own failures: negative, apart from the
// libraries' codes (ticables 0-255, ticalcs 256-511, tifiles 512-767).

enum LinkErrorCode : int {
    kNoCable = -2,       // the cable is missing or not supported
    kNoFarEnd = -3,      // nothing at the other end of the virtual link
    kTooSlow = -4,       // the transfer ran past its time limit
    kBadSettings = -5,   // a cable code or port name with no cable behind it
    kBadName = -6,       // a name the calculator cannot take
    kBadScreen = -7,     // a screen of no usable size
    kNoContent = -8,     // the variable could not be put together
    kWrongType = -9,     // the variable asked for is not of the type asked for
    kShortData = -10,    // the calculator sent less data than its header announced
    kBadPicture = -11,   // the picture variable received is not a consistent picture
    kNoPicture = -12,    // the calculator holds no picture variable at all
};
