// A switch the tests use to reach the failure paths of files replaced whole.
// Apart from files.cpp, the program never includes this header.
#pragma once

namespace files {
// While set, Create_Temporary_File still makes its temporary but hands back
// a stream on this device instead ("/dev/full": every write fails as on a
// full disk); null or "" switches it off.
void Set_Temporary_Write_Device(const char* szDevice);
}  // namespace files
