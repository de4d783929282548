// Environment and path helpers.
#pragma once
#include "QORString.h"

// Value of an environment variable; null when it is not set.
const char* QORGetEnv(const char* name);
// Takes "NAME=VALUE" as putenv does: the environment keeps the pointer, so the
// text must live as long as the process. Returns 0 on success.
int QORPutEnv(char* definition);
// dir joined with name by one '/'; an empty name gives dir ending with '/'.
QORString QORMakePath(const QORString& dir, const QORString& name);
// Splits at the last '/': dir keeps the '/', file is the rest. No '/': dir is "".
void QORSplitPath(const QORString& path, QORString& dir, QORString& file);
