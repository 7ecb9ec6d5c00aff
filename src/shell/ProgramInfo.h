// The program's version and the notice line of its information box.
#pragma once

// Settings stored by another version are not taken.
constexpr const char* APPLICATION_VERSION = "2.05";
constexpr const char* NOTICE_LINE = "Copyright (C) 2009-2014 Tervane";
