// WriteLog: one diagnostic line, appended to "logs\Pelmora.log" beside the executable when that
// folder exists, and sent without time stamp to the debugger output in every case. The file is
// opened and closed for every line, so the log survives a crash; nothing is kept between calls.
#pragma once

// `format` follows the C runtime's narrow printf conventions; the text is in the ANSI code page.
void WriteLog(const char* format, ...);
