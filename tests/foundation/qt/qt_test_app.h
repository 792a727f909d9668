// One application object for all GUI tests of this binary.
#pragma once

#include <QApplication>

QApplication& TestApp();
