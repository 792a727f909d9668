// The application object for the list and progress window tests, shared with
// the other tests of this binary (whichever creates it first).
#pragma once

#include <QApplication>

QApplication& ListViewTestApp();
