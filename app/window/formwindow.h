// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The calculator's one window. All of its state is the text of its fields; its
// procedures read those texts and write texts, captions and the joint picture. Its
// object name is the form's, Форма1, as tests and screen readers know it.

#include "app/window/builder.h"
#include "app/window/widgetfields.h"
#include "form/form.h"

#include <QLocale>
#include <QStringView>
#include <QWidget>

#include <memory>

class FormWindow : public QWidget
{
public:
    explicit FormWindow(const QLocale &locale = QLocale::system(), QWidget *parent = nullptr);
    ~FormWindow() override;

    // Start values and the first calculation; runs once, before the window is shown.
    void Load();

    // The window's procedures, as its logic runs them.
    char16_t OnlyMySymbols(const char16_t &keyCode, QStringView allowed) const;
    void Область() { logic_->Область(); }
    void Марка() { logic_->Марка(); }
    void Тип() { logic_->Тип(); }
    void AA() { logic_->AA(); }

    // How many times the mass has been calculated since the window was made.
    int calculations() const { return logic_->calculations(); }

    // The fields as the logic reads and writes them.
    form::Fields &fields() { return *fields_; }

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void wire();

    // The controls, as the definition made them, the fields over them, and the logic.
    builder::Controls ui{};
    std::unique_ptr<WidgetFields> fields_;
    std::unique_ptr<form::Форма1> logic_;
};
