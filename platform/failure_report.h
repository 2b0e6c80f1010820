// How the framework tells the user about a failure that escaped a handler or an exchange.
#pragma once

#include "platform/win_types.h"

#include <exception>
#include <string>

class CWnd;

/// The message for a failure: a file error's own text, "Out of memory." for a lack of memory,
/// "Internal application error." for anything else.
std::string DescribeFailure(const std::exception_ptr& failure);

/// Shows DescribeFailure in a message box owned by the window, with this icon and one OK button.
void ReportFailure(CWnd& owner, const std::exception_ptr& failure, UINT icon);
