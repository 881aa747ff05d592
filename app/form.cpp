#include "app/form.h"

#include "app/accessibility.h"
#include "app/definition.h"
#include "app/icon.h"
#include "app/keyrule.h"
#include "app/look.h"
#include "calc/numbers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename T> T *field(QWidget *form, const char16_t *name)
{
    auto *w = form->findChild<T *>(QString::fromUtf16(name));
    Q_ASSERT(w);
    return w;
}

// Keys that type no character into a field: focus moves and deletion forward.
bool typesNoCharacter(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return true;
    default:
        return key->text().isEmpty();
    }
}

} // namespace

Форма1::Форма1(const QLocale &locale, QWidget *parent) : QWidget(parent), locale_(locale)
{
    setObjectName(definition::formName.toString());
    setWindowTitle(definition::formTitle.toString());
    setWindowIcon(icon::windowIcon(devicePixelRatio()));
    setFixedSize(definition::px(definition::formWidth), definition::px(definition::formHeight));

    look::prepare(this);
    definition::build(this);
    look::apply(this);
    accessibility::nameFields(this);

    Комбо1 = field<QComboBox>(this, u"Комбо1");
    Комбо2 = field<QComboBox>(this, u"Комбо2");
    Комбо3 = field<QComboBox>(this, u"Комбо3");
    Комбо4 = field<QComboBox>(this, u"Комбо4");
    Комбо5 = field<QComboBox>(this, u"Комбо5");
    Комбо6 = field<QComboBox>(this, u"Комбо6");
    Текст1 = field<QLineEdit>(this, u"Текст1");
    Текст2 = field<QLineEdit>(this, u"Текст2");
    Текст3 = field<QLineEdit>(this, u"Текст3");
    Метка10 = field<QLabel>(this, u"Метка10");
    Метка13 = field<QLabel>(this, u"Метка13");
    Рисунок1 = field<QLabel>(this, u"Рисунок1");
    Комманда1 = field<QPushButton>(this, u"Комманда1");

    wire();
}

void Форма1::wire()
{
    // Picking an item is a Click; a write from code is not. The user's own edits of
    // a list's text (backspace) recompute as well, so the result always belongs to
    // the inputs on screen.
    for (QComboBox *list : {Комбо1, Комбо2, Комбо3, Комбо4}) {
        connect(list, &QComboBox::activated, this, [this] { AA(); });
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this] { AA(); });
    }
    connect(Комбо5, &QComboBox::activated, this, [this] {
        Область();
        Марка();
        Тип();
    });
    connect(Комбо6, &QComboBox::activated, this, [this] { Тип(); });
    connect(Текст1, &QLineEdit::textChanged, this, [this] { AA(); });
    connect(Текст2, &QLineEdit::textChanged, this, [this] { AA(); });
    connect(Комманда1, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });

    for (QComboBox *list : {Комбо1, Комбо2, Комбо3, Комбо4, Комбо5, Комбо6})
        filterKeys(list, keyrule::noCharacters);
    filterKeys(Текст1, keyrule::digitsAndComma);
    filterKeys(Текст2, keyrule::digits);
    filterKeys(Текст3, keyrule::noCharacters);
}

void Форма1::filterKeys(QWidget *field, QStringView allowed)
{
    field->setProperty("allowedCharacters", allowed.toString());
    field->installEventFilter(this);
    // An editable list hands most keys to its edit field itself, but a key can also
    // reach the edit field first; both are watched.
    if (auto *list = qobject_cast<QComboBox *>(field)) {
        list->lineEdit()->setProperty("allowedCharacters", allowed.toString());
        list->lineEdit()->installEventFilter(this);
    }
}

// Writes a list's text from code: no Click follows. The item of that text, if any,
// becomes the current one so that the opened list shows it.
void Форма1::setListText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
    list->setEditText(text);
}

bool Форма1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (typesNoCharacter(key))
        return false;
    const QString allowed = watched->property("allowedCharacters").toString();
    for (const QChar c : key->text()) {
        const char16_t code = c.unicode();
        if (OnlyMySymbols(code, allowed) == 0)
            return true; // the field drops the keystroke
    }
    return false;
}

void Форма1::Load()
{
    look::setBackground(this, look::loadedBackground);
    setListText(Комбо1, numbers::fromInt(5, locale_));
    setListText(Комбо2, QStringLiteral("Н1"));
    setListText(Комбо3, QStringLiteral("Нижнее"));
    setListText(Комбо4, QStringLiteral("сплошной"));
    setListText(Комбо5, QStringLiteral("вспомогательные конструкции"));
    Текст1->setText(numbers::fromDouble(1.7, locale_));
    Текст2->setText(numbers::fromInt(1000, locale_));
    Область();
    Марка();
    Тип();
    AA();
}
