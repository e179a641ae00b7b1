// SPDX-License-Identifier: MIT
#pragma once

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

// The window as its tests reach it: its controls by their roles, beside what
// it offers everyone.
class TestWindow : public MainWindow, public Ui::MainWindowForm {
public:
    TestWindow()
        : Ui::MainWindowForm(form())
    {
    }
};
