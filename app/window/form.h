// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The calculator's one window. All of its state is the text of its fields; its
// procedures read those texts and write texts, captions and the joint picture.

#include "app/window/definition.h"
#include "calc/tables.h"

#include <QLocale>
#include <QStringView>
#include <QWidget>

class QComboBox;
class QLabel;

class Форма1 : public QWidget
{
public:
    explicit Форма1(const QLocale &locale = QLocale::system(), QWidget *parent = nullptr);
    ~Форма1() override;

    // Start values and the first calculation; runs once, before the window is shown.
    void Load();

    // The window's procedures.
    char16_t OnlyMySymbols(const char16_t &keyCode, QStringView allowed) const;
    void Область();
    void Марка();
    void Тип();
    void AA();

    // How many times the mass has been calculated since the window was made.
    int calculations() const { return calculations_; }

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void wire();
    void keepResult(const QString &edited);
    void showResult(const QString &text);
    void writeCoefficient(const QString &text);
    QLabel *imageOf(calc::Joint joint) const;
    static void setListText(QComboBox *list, const QString &text);

    QLocale locale_;
    int calculations_ = 0;
    QString computed_; // what the last calculation wrote into the result field

    // The controls, as the definition made them.
    definition::Controls ui{};
};
