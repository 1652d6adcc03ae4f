// The core's operations on the window table: creating and destroying the root and the child
// windows, making one current, and small services on the current window.
#pragma once

#include <windows.h>

constexpr char szAppName[] = "TESSARAMOND";
constexpr char szClientName[] = "TESSCLIENT";
constexpr char szChildName[] = "TESSCHILD";

void yycreaterootwindow_(const int& left, const int& top, int& width, int& height,
                         const int& minimiseBox, const int& maximiseBox, const int& menuId,
                         const int& systemMenu, const int& maximised, const int& statusBar,
                         const int& fixedSize, const int& hidden, const int& topmost,
                         const int& colours, const char* title);
void yyopenchild_(const int& left, const int& top, const int& width, const int& height,
                  const int& maximised, const int& minimiseBox, const int& maximiseBox,
                  const int& systemMenu, const int& insideRoot, int& number, const int& statusBar,
                  const int& fixedSize, const int& ownedByRoot, const int& topmost,
                  const char* title);
void yyselectfocus_(int& width, int& height, int& number);
void yyclosechild_(int& number);
int yygetnextfree();
void yywindowtitle_(const char* title);
void yysetstatuspart_(const int& part, const int& rightEdge);
void yysetstatusbar_(const int& parts);
void yywindowraise_();
void yyscrollarea_(const int& dx, const int& dy);
void yyshutdown_();
