// Window timers that continue the engine's sequences. The TIMER_ ids run on the main frame's window
// (CComPort::COM_OnTimer carries out their steps); the TIMER_PANEL_ ids run on the operator panel.
#pragma once

constexpr unsigned TIMER_SEARCH_PORT_NO_ANSWER = 23;
constexpr unsigned TIMER_SEARCH_STATUS_LONG = 24;
constexpr unsigned TIMER_SEARCH_NEXT_PORT = 26;
constexpr unsigned TIMER_SEARCH_END = 27;
constexpr unsigned TIMER_SEARCH_END_CONNECT = 28;
constexpr unsigned TIMER_SEARCH_TEST_PORT = 30;
constexpr unsigned TIMER_START_SEARCH = 31;
constexpr unsigned TIMER_BAUDRATE_CLOSE = 32;
constexpr unsigned TIMER_BAUDRATE_RESEARCH = 33;
constexpr unsigned TIMER_LIST_CONNECT = 34;
constexpr unsigned TIMER_BAUDRATE_RESTART = 35;
constexpr unsigned TIMER_WAIT_BAUDRATE_CHANGED = 36;
constexpr unsigned TIMER_WAIT_UPDATE_MSR_RATE_SW_CONFIG_BLOCK = 37;
constexpr unsigned TIMER_WAIT_UPDATE_SERIAL_NO_ROT_OPERATION = 38;
constexpr unsigned TIMER_RETRY_SW_CONFIG_BLOCK = 39;
constexpr unsigned TIMER_INIT_DONE_SINGLE_SHOT = 40;
constexpr unsigned TIMER_INACCURACY_RESTART = 41;
constexpr unsigned TIMER_LOW_PASS_RESTART = 42;
// The engine's own frame timers: the wait for an awaited answer, the next part of the address scan, the
// search repeated after the line to the sensor broke until a sensor answers, and a write that failed on
// the open port, taken as a broken line outside the write.
constexpr unsigned TIMER_ANSWER_WAIT = 43;
constexpr unsigned TIMER_SEARCH_SCAN = 44;
constexpr unsigned TIMER_LINE_SEARCH = 45;
constexpr unsigned TIMER_LINE_BROKEN = 46;

// Operator panel timers: 0 blinks the trigger LED, 1 starts a search that was put off, 5 is the
// value watchdog.
constexpr unsigned TIMER_PANEL_TRIGGER_LED = 0;
constexpr unsigned TIMER_PANEL_DEFERRED_SEARCH = 1;
constexpr unsigned TIMER_PANEL_WATCHDOG = 5;
