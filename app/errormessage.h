#pragma once

#include "calc/errors.h"

#include <QString>

// What the error box says of a run-time error: "运行时错误 '11'：\n\n除数为零".
QString errorMessage(calc::ErrorCode code);
