#pragma once
// A control of a window by its object name; a missing one fails the test.
#include <QWidget>
#include <gtest/gtest.h>

template <typename T> T* Child(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}
