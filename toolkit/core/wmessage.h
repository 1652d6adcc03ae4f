// Event retrieval: the blocking and non-blocking loops, the enable flags and one-shot timers.
#pragma once

namespace tess {
struct EventRecord;
}

void yydispatchnextmessage_(int& type, int& value1, int& value2, int& value3, int& value4, int& x,
                            int& y, int& win, int& time, int& keep);
void yydispatchpeekmessage_(int& type, int& value1, int& value2, int& value3, int& value4, int& x,
                            int& y, int& win, int& time, int& keep);
void yyenablemessage_(const int& code, const int& flag);
int yyinfomessage_(const int& code, int& flag);
void yysettimer_(const int& elapse, const int& id);
void yyblock118_();
// Post-processing of a retrieved event: positions into window units, sizes recorded.
void yyevent_(int& type, tess::EventRecord& message);
