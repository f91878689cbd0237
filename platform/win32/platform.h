// platform.h -- the platform calls the libraries and hosts use, from the toolchain's own headers
#pragma once

#include <windows.h>
#include <winnetwk.h>
#include <oleauto.h>
