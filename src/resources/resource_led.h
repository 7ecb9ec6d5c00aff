// Icons of the LED buttons.
#pragma once

#define IDI_LED_OFF 176
#define IDI_LED_GREEN 177
#define IDI_LED_RED 178
#define IDI_LED_YELLOW 179
