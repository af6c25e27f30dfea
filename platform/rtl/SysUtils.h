// The whole run-time library in one include, for units that use much of it.
#pragma once

#include "platform/base/Exceptions.h"
#include "platform/base/Numbers.h"
#include "platform/base/Types.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Errors.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/Memory.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/WinError.h"
