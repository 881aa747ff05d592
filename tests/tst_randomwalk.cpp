// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// A seeded random walk through the real window: picks, typed characters from the whole
// Unicode range, backspaces, Delete and pastes, and at the end a paste into each text box
// longer than it holds. After every action the window must
// still agree with itself, and with its twin: the window's logic over a store of texts,
// given the same picks and edits, shows the same eleven texts after as many
// calculations. RANDOM_WALK_SEED and RANDOM_WALK_STEPS repeat or lengthen a run.

#include "app/window/qtext.h"
#include "calc/mass.h"
#include "catalogue/catalogue.h"
#include "core/fakefields.h"
#include "formdriver.h"

#include <QRandomGenerator>

class TstRandomWalk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void walk();
};

namespace {

const QLocale ru(QLocale::Russian, QLocale::Russia);
const QStringList lists{"Комбо1", "Комбо2", "Комбо3", "Комбо4", "Комбо5", "Комбо6"};
const QStringList typedFields = lists + QStringList{"Текст2", "Текст3"};

QString randomText(QRandomGenerator &rng, int length)
{
    QString text;
    text.reserve(length);
    const QString likely = QStringLiteral("0123456789,.-e ");
    for (int i = 0; i < length; ++i) {
        if (rng.bounded(2))
            text += likely[rng.bounded(int(likely.size()))];
        else
            text += QChar(char16_t(rng.bounded(1, 0x10000)));
    }
    return text;
}

} // namespace

void TstRandomWalk::walk()
{
    const quint32 seed = qEnvironmentVariableIsSet("RANDOM_WALK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("RANDOM_WALK_SEED"))
                             : 20261208u;
    const int steps = qEnvironmentVariableIsSet("RANDOM_WALK_STEPS")
                          ? qEnvironmentVariableIntValue("RANDOM_WALK_STEPS")
                          : 20000;
    QRandomGenerator rng(seed);
    FormDriver d(ru);

    // The twin, and the user's edits of the window handed to it as they happen.
    FakeFields twinFields;
    form::Форма1 twin(twinFields, qtext::separatorOf(ru));
    twin.Load();
    using form::Field;
    const auto fieldOf = [](const QString &name) {
        for (std::size_t i = 0; i < FakeFields::count; ++i)
            if (qtext::fromQt(name) == FakeFields::name(Field(i)))
                return Field(i);
        qFatal("no field %s", qPrintable(name));
    };
    for (const QString &name : lists)
        QObject::connect(d.list(name)->lineEdit(), &QLineEdit::textEdited, &d.form,
                         [&, field = fieldOf(name)](const QString &now) {
                             twinFields.at(field) = now.toStdU16String();
                             twin.edited(field);
                         });
    QObject::connect(d.get<QLineEdit>("Текст2"), &QLineEdit::textEdited, &d.form,
                     [&](const QString &now) {
                         twinFields.at(Field::Текст2) = now.toStdU16String();
                         twin.edited(Field::Текст2);
                     });
    QObject::connect(d.get<QLineEdit>("Текст3"), &QLineEdit::textEdited, &d.form,
                     [&](const QString &now) {
                         twinFields.at(Field::Текст3) = now.toStdU16String();
                         twin.edited(Field::Текст3);
                     });
    QStringList actions;
    QString expectedPicture = QStringLiteral("Н1");
    bool resultEditedByUser = false;

    const auto failure = [&](const QString &what) {
        const QStringList last = actions.mid(qMax(0, int(actions.size()) - 25));
        return QStringLiteral(
                   "%1 after %2 actions, seed %3 (RANDOM_WALK_SEED=%3); last actions:\n  %4")
            .arg(what)
            .arg(actions.size())
            .arg(seed)
            .arg(last.join(QStringLiteral("\n  ")));
    };

    // The walk's steps, then one large paste into each text box: longer than a field
    // holds. Random pastes stay short, since every later step would lay out a long
    // text again.
    for (int step = 0; step < steps + 2; ++step) {
        const int calculationsBefore = d.form.calculations();
        const QString resultBefore = d.result();
        const bool large = step >= steps;
        const int kind = large ? 99 : rng.bounded(100);
        QString target;
        if (kind < 35) {
            target = lists[rng.bounded(int(lists.size()))];
            QComboBox *list = d.list(target);
            const int index = rng.bounded(list->count());
            actions << QStringLiteral("pick %1 in %2").arg(list->itemText(index), target);
            list->setCurrentIndex(index);
            Q_EMIT list->activated(index);
            twin.picked(fieldOf(target), qtext::fromQt(list->itemText(index)));
        } else if (kind < 99) {
            target = typedFields[rng.bounded(int(typedFields.size()))];
            d.focus(target);
            const int key = rng.bounded(10);
            if (key < 3) {
                actions << QStringLiteral("backspace in %1").arg(target);
                d.backspace();
            } else if (key < 4) {
                actions << QStringLiteral("Delete in %1").arg(target);
                d.key(Qt::Key_Home, QString());
                d.key(Qt::Key_Delete, QString());
            } else {
                const QString c = randomText(rng, 1);
                actions << QStringLiteral("type U+%1 in %2")
                               .arg(c[0].unicode(), 4, 16, QLatin1Char('0'))
                               .arg(target);
                d.key(Qt::Key_unknown, c);
            }
        } else {
            if (large)
                target = step == steps ? QStringLiteral("Текст2") : QStringLiteral("Текст3");
            else
                target = rng.bounded(2) ? QStringLiteral("Текст2") : QStringLiteral("Текст3");
            const QString text = large            ? randomText(rng, 40000)
                                 : rng.bounded(4) ? QString::number(rng.bounded(100000))
                                                  : randomText(rng, rng.bounded(1, 64));
            actions << QStringLiteral("paste %1 characters into %2").arg(text.size()).arg(target);
            auto *edit = d.get<QLineEdit>(target);
            edit->selectAll();
            edit->insert(text);
        }

        // The twin shows what the window shows.
        for (std::size_t i = 0; i < FakeFields::count; ++i) {
            const QString name = qtext::toQt(FakeFields::name(Field(i)));
            if (d.text(name) != qtext::toQt(twinFields.text(Field(i))))
                QFAIL(qPrintable(
                    failure(QStringLiteral("%1 is '%2', in the twin '%3'")
                                .arg(name, d.text(name), qtext::toQt(twinFields.text(Field(i)))))));
        }
        if (d.form.calculations() != twin.calculations())
            QFAIL(qPrintable(failure(QStringLiteral("%1 calculations, in the twin %2")
                                         .arg(d.form.calculations())
                                         .arg(twin.calculations()))));
        QStringList twinBrands;
        for (const std::u16string &b : twinFields.items[std::size_t(Field::Комбо6)])
            twinBrands << qtext::toQt(b);
        if (d.items("Комбо6") != twinBrands)
            QFAIL(qPrintable(failure(QStringLiteral("the brand lists differ from the twin's"))));

        if (d.form.calculations() != calculationsBefore)
            resultEditedByUser = false;
        else if (target == QStringLiteral("Текст3") && d.result() != resultBefore)
            resultEditedByUser = true;

        // The result is empty or the mass of the inputs on show.
        const QString in[] = {d.text("Комбо1"), d.text("Комбо2"), d.text("Комбо3"),
                              d.text("Комбо4"), d.text("Текст1"), d.text("Текст2")};
        using qtext::fromQt;
        const calc::MassResult mass =
            calc::computeMass({fromQt(in[0]), fromQt(in[1]), fromQt(in[2]), fromQt(in[3]),
                               fromQt(in[4]), fromQt(in[5])},
                              qtext::separatorOf(ru));
        if (!resultEditedByUser) {
            std::optional<calc::MassTexts> texts;
            if (mass.status == calc::Status::Ok)
                texts = calc::massTexts(mass.mass, qtext::separatorOf(ru));
            const QString expected = texts ? qtext::toQt(texts->rounded) : QString();
            if (d.result() != expected)
                QFAIL(qPrintable(failure(
                    QStringLiteral("result '%1', expected '%2'").arg(d.result(), expected))));
        }

        // The brand list is exactly one area's list.
        const QStringList brands = d.items("Комбо6");
        bool oneArea = false;
        for (const catalogue::Area &area : catalogue::areas) {
            QStringList offered;
            for (const std::u16string_view b : catalogue::brandListFor(area.name).brands)
                offered << qtext::toQt(b);
            oneArea = oneArea || offered == brands;
        }
        if (!oneArea)
            QFAIL(qPrintable(failure(QStringLiteral("the brand list is no area's list"))));

        // The type and the coefficient belong to the brand on show.
        if (const catalogue::Brand *b = catalogue::findBrand(qtext::fromQt(d.text("Комбо6")))) {
            if (d.text("Метка13") != qtext::toQt(b->type) ||
                d.text("Текст1") != qtext::toQt(b->coefficient))
                QFAIL(qPrintable(failure(QStringLiteral("type or coefficient of another brand"))));
        }

        // The picture is that of the last joint a calculation could read.
        if (d.form.calculations() != calculationsBefore && mass.picture)
            expectedPicture = in[1];
        if (!d.pictureIs(expectedPicture))
            QFAIL(
                qPrintable(failure(QStringLiteral("the picture is not %1").arg(expectedPicture))));
    }
}

QTEST_MAIN(TstRandomWalk)
#include "tst_randomwalk.moc"
