// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson documents in every language, around po4a, which translates their prose from the
// gettext files in doc/po. What po4a cannot know comes from here: the generated figures (the
// blocks that tools/teaching_tables writes into the English pages, and the pictures' texts),
// written in the language's words and decimal separator, and the names of the program's
// controls, taken from the program's own windows in that language.
//   lesson_docs template <folder> <page.md>... <picture.svg>...
//       writes each page into the folder with its SPDX header left out and each generated block
//       cut out, a line "* * * * *" standing in its place, and figures.md: every phrase of the
//       blocks and the pictures that has words to translate, its numbers written %1, %2...
//   lesson_docs fill <language> <file.po|-> <english page.md> <page from po4a> <html|pdf>
//       prints the translated page with its blocks put back, and every [Caption] of a control
//       and [Alt+Caption] as the program shows them in the language
//   lesson_docs picture <language> <file.po|-> <picture.svg> <translated picture.svg>
// "en" and "-" leave the texts English. Any phrase or control that finds no translation, a
// translation that drops or repeats a number, or a page whose blocks do not match ends the
// tool with an error.
#include "about_box.h"
#include "const_dialog.h"
#include "main_window.h"
#include "translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

using namespace korvane;

namespace {

const QString Sentinel = QStringLiteral("* * * * *");
const QString BlockStart = QStringLiteral("<!-- tables: ");
const QString BlockEnd = QStringLiteral("<!-- end of tables -->");

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString &message)
{
    throw Failure(message.toStdString());
}

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(file.readAll());
}

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        fail(QStringLiteral("cannot write %1").arg(path));
}

/// A page's lines outside its generated blocks, and the blocks' lines, in order.
struct Page {
    QStringList prose; ///< with Sentinel where a block stood
    QList<QStringList> blocks;
};

Page splitPage(const QString &path)
{
    Page page;
    QStringList lines = readFile(path).split(QLatin1Char('\n'));
    // The licence header, an HTML comment at the top, is no text to translate.
    if (!lines.isEmpty() && lines.first() == QLatin1String("<!--")) {
        while (!lines.isEmpty() && lines.takeFirst() != QLatin1String("-->")) { }
        while (!lines.isEmpty() && lines.first().isEmpty())
            lines.removeFirst();
    }
    QStringList *block = nullptr;
    for (const QString &line : lines) {
        if (line.startsWith(BlockStart)) {
            page.blocks.append(QStringList());
            block = &page.blocks.last();
            page.prose << Sentinel;
        } else if (line == BlockEnd) {
            block = nullptr;
        } else if (block) {
            *block << line;
        } else {
            page.prose << line;
        }
    }
    if (block)
        fail(QStringLiteral("%1: a generated block is not closed").arg(path));
    return page;
}

// A control's name in the text: "[Add Oil]", "[Alt+Reset]"; not a link "[text](...)" nor a
// picture "![...]".
const QRegularExpression ControlReference(QStringLiteral(R"((?<!!)\[(Alt\+)?([^\]\[]+)\](?!\())"));
// A number; not the base of a power written in superscripts ("10⁻¹⁹"), which stays in the text.
const QRegularExpression Number(QStringLiteral(R"((?<![\d.])\d++(?:\.\d++)?(?![⁰¹²³⁴⁵⁶⁷⁸⁹⁻]))"));
const QRegularExpression Placeholder(QStringLiteral(R"(%(\d+))"));

/// A phrase with its numbers taken out: "%1 s (%2 %) or %3 s (%4 %)" and {"6.0", "96", ...}.
struct Phrase {
    QString text;
    QStringList numbers;
};

Phrase phraseOf(const QString &text)
{
    // The names of controls keep their digits: "[Same Radius (4e-7 m)]".
    QList<std::pair<qsizetype, qsizetype>> names;
    for (auto match = ControlReference.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch name = match.next();
        names.append({name.capturedStart(), name.capturedEnd()});
    }
    Phrase phrase;
    qsizetype from = 0;
    for (auto match = Number.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch number = match.next();
        if (std::any_of(names.cbegin(), names.cend(), [&number](const auto &name) {
                return number.capturedStart() >= name.first && number.capturedEnd() <= name.second;
            }))
            continue;
        phrase.text += text.mid(from, number.capturedStart() - from);
        phrase.numbers << number.captured();
        phrase.text += QLatin1Char('%') + QString::number(phrase.numbers.size());
        from = number.capturedEnd();
    }
    phrase.text += text.mid(from);
    return phrase;
}

/// Whether a phrase has words to translate: units, symbols of one letter and the names of
/// controls are the same in every language.
bool hasWords(QString text)
{
    static const QStringList units {"µm", "mm", "px", "kg", "V", "s", "C", "e", "m"};
    text.remove(ControlReference);
    static const QRegularExpression word(QStringLiteral(R"(\p{L}{2,})"));
    for (auto match = word.globalMatch(text); match.hasNext();)
        if (!units.contains(match.next().captured()))
            return true;
    return false;
}

/// The texts of a generated block's lines that are phrases: a table's cells, a list item's or
/// a paragraph's text; with each, how to put the line back together around its translation.
QStringList phrasesOfLine(const QString &line)
{
    if (line.startsWith(QLatin1Char('|'))) {
        if (line.startsWith(QLatin1String("|---")))
            return {};
        QStringList cells = line.split(QLatin1Char('|'));
        cells = cells.mid(1, cells.size() - 2);
        for (QString &cell : cells)
            cell = cell.trimmed();
        return cells;
    }
    if (line.startsWith(QLatin1String("- ")))
        return {line.mid(2)};
    return line.isEmpty() ? QStringList() : QStringList {line};
}

/// The pictures' texts: a title and the contents of each text element.
const QRegularExpression PictureText(QStringLiteral(R"((<(title|text)\b[^>]*>)([^<]*)(</\2>))"));

/// The translations of one language's gettext file, by msgid; fuzzy ones are left out, as
/// po4a leaves them out.
class Catalogue {
public:
    Catalogue(const QString &language, const QString &path) : m_language(language)
    {
        if (path != QLatin1String("-"))
            read(path);
        m_decimal = language == QLatin1String("en") ? QStringLiteral(".")
                                                    : QString(QLocale(language).decimalPoint());
    }

    /// The phrase in the language, with its numbers in the language's notation.
    QString translate(const QString &text) const
    {
        const Phrase phrase = phraseOf(text);
        QString translated = phrase.text;
        if (m_language != QLatin1String("en") && hasWords(phrase.text)) {
            translated = m_entries.value(phrase.text.simplified()).simplified();
            if (translated.isEmpty())
                fail(QStringLiteral("%1: no translation of \"%2\"").arg(m_language, phrase.text));
        }
        QString result;
        QList<int> used(phrase.numbers.size());
        qsizetype from = 0;
        for (auto match = Placeholder.globalMatch(translated); match.hasNext();) {
            const QRegularExpressionMatch placeholder = match.next();
            const int n = placeholder.captured(1).toInt();
            if (n < 1 || n > phrase.numbers.size() || used[n - 1]++ > 0)
                fail(QStringLiteral("%1: \"%2\" has %%3 once too often, or one the English "
                                    "\"%4\" has not")
                         .arg(m_language, translated, QString::number(n), phrase.text));
            result += translated.mid(from, placeholder.capturedStart() - from);
            result += QString(phrase.numbers.at(n - 1)).replace(QLatin1Char('.'), m_decimal);
            from = placeholder.capturedEnd();
        }
        if (used.contains(0))
            fail(QStringLiteral("%1: \"%2\" leaves out a number of \"%3\"")
                     .arg(m_language, translated, phrase.text));
        return result + translated.mid(from);
    }

private:
    void read(const QString &path)
    {
        // msgid and msgstr with their continuation lines; "#, fuzzy" marks a stale entry.
        QString id, text, *reading = nullptr;
        bool fuzzy = false;
        const auto finish = [&] {
            if (!fuzzy && !id.isEmpty() && !text.isEmpty())
                m_entries.insert(id.simplified(), text);
            id.clear();
            text.clear();
            reading = nullptr;
            fuzzy = false;
        };
        for (const QString &line : readFile(path).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("#,"))) {
                finish();
                fuzzy = line.contains(QLatin1String("fuzzy"));
            } else if (line.startsWith(QLatin1String("msgid "))) {
                if (reading == &text)
                    finish();
                reading = &id;
                *reading += unquote(line.mid(6));
            } else if (line.startsWith(QLatin1String("msgstr "))) {
                reading = &text;
                *reading += unquote(line.mid(7));
            } else if (line.startsWith(QLatin1Char('"')) && reading) {
                *reading += unquote(line);
            } else if (line.trimmed().isEmpty()) {
                if (reading == &text)
                    finish();
            }
        }
        finish();
    }

    static QString unquote(QString quoted)
    {
        quoted = quoted.trimmed().mid(1);
        quoted.chop(1);
        QString text;
        for (qsizetype i = 0; i < quoted.size(); ++i) {
            if (quoted.at(i) == QLatin1Char('\\') && i + 1 < quoted.size()) {
                const QChar escaped = quoted.at(++i);
                text += escaped == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                    : escaped == QLatin1Char('t')   ? QChar(QLatin1Char('\t'))
                                                    : escaped;
            } else {
                text += quoted.at(i);
            }
        }
        return text;
    }

    QString m_language;
    QString m_decimal;
    QHash<QString, QString> m_entries;
};

/// A caption as the reader sees it: without its "&" and its blanks at either end.
QString visible(QString caption)
{
    caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QLatin1Char('\x01'), QLatin1Char('&')).trimmed();
}

/// Every caption of the program's windows, by object and state: the buttons (those whose
/// caption says what a press does, in both states), group boxes, menus and their items, the
/// dialogs' titles, and the controls' names for screen readers.
QMap<QString, QString> programCaptions()
{
    QMap<QString, QString> captions;
    const auto take = [&captions](const QString &key, const QString &text) {
        if (!text.isEmpty())
            captions.insert(key, text);
    };
    Tmilikanfrm window;
    Tconstfrm constants;
    Taboutboxp about;
    const QList<QWidget *> windows {&window, &constants, &about};
    for (const char *state : {"", " pressed"}) {
        for (QWidget *shown : windows)
            for (QAbstractButton *button : shown->findChildren<QAbstractButton *>())
                take(button->objectName() + QLatin1String(state), button->text());
        for (const char *name : {"onoff", "startbt", "freezebt"})
            window.findChild<QAbstractButton *>(QLatin1String(name))->click();
    }
    for (QGroupBox *group : window.findChildren<QGroupBox *>())
        take(group->objectName(), group->title());
    for (QMenu *menu : window.findChildren<QMenu *>()) {
        take(menu->objectName(), menu->title());
        for (QAction *item : menu->actions())
            take(item->objectName(), item->text());
    }
    for (QWidget *shown : windows) {
        take(shown->objectName() + QLatin1String(" title"), shown->windowTitle());
        for (QWidget *control : shown->findChildren<QWidget *>())
            take(control->objectName() + QLatin1String(" name"), control->accessibleName());
    }
    return captions;
}

/// The captions of the program in the language, by their English text as the reader sees it:
/// "Add Oil" -> "Öl s&prühen". Where one English text has several captions, the visible ones
/// count before the names for screen readers, and they must agree.
QHash<QString, QString> captionsIn(const QString &language)
{
    const QMap<QString, QString> english = programCaptions();
    Translations translations;
    if (language != QLatin1String("en") && !translations.install(QLocale(language)))
        fail(QStringLiteral("the program has no translation into %1").arg(language));
    QLocale::setDefault(QLocale(language));
    const QMap<QString, QString> translated = programCaptions();
    QLocale::setDefault(QLocale::c());

    QHash<QString, QString> captions;
    for (bool nameForReaders : {false, true}) {
        QHash<QString, QString> found;
        for (auto caption = english.cbegin(); caption != english.cend(); ++caption) {
            if (caption.key().endsWith(QLatin1String(" name")) != nameForReaders)
                continue;
            const QString key = visible(caption.value());
            if (captions.contains(key))
                continue;
            const QString text = translated.value(caption.key()).trimmed();
            if (found.contains(key) && visible(found.value(key)) != visible(text))
                fail(QStringLiteral("%1: \"%2\" is shown as \"%3\" and as \"%4\"")
                         .arg(language, key, found.value(key), text));
            if (!found.contains(key) || text.contains(QLatin1Char('&')))
                found.insert(key, text);
        }
        captions.insert(found);
    }
    return captions;
}

/// A caption in the page: bold, its Alt letter underlined; in HTML, so that it may stand
/// inside bold text.
QString captionMarkup(const QString &caption)
{
    QString text = caption;
    const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&(?!&)")));
    if (at >= 0 && at + 1 < text.size())
        text = text.left(at) + QLatin1String("<u>") + text.at(at + 1) + QLatin1String("</u>") +
            text.mid(at + 2);
    return QLatin1String("<strong>") + text.replace(QLatin1String("&&"), QLatin1String("&amp;")) +
        QLatin1String("</strong>");
}

/// The text with each [Caption] and [Alt+Caption] as the program shows it in the language.
QString withCaptions(const QString &text, const QHash<QString, QString> &captions,
                     const QString &where)
{
    QString result;
    qsizetype from = 0;
    for (auto match = ControlReference.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch reference = match.next();
        const QString key = reference.captured(2);
        if (!captions.contains(key))
            fail(QStringLiteral("%1: [%2] names no caption of the program").arg(where, key));
        const QString caption = captions.value(key);
        result += text.mid(from, reference.capturedStart() - from);
        if (reference.capturedLength(1) > 0) {
            const QKeySequence letter = QKeySequence::mnemonic(caption);
            if (letter.isEmpty())
                fail(QStringLiteral("%1: \"%2\" has no Alt letter").arg(where, caption));
            result += QLatin1String("<kbd>") +
                letter.toString(QKeySequence::NativeText)
                    .replace(QLatin1Char('+'), QLatin1String("</kbd>+<kbd>")) +
                QLatin1String("</kbd>");
        } else {
            result += captionMarkup(caption);
        }
        from = reference.capturedEnd();
    }
    return result + text.mid(from);
}

/// A heading's anchor as the English page's links name it: "how-sure-can-a-class-be".
QString anchorOf(const QString &heading)
{
    QString anchor;
    for (const QChar c : heading.section(QLatin1Char(' '), 1).trimmed().toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

int makeTemplates(const QStringList &arguments)
{
    const QString folder = arguments.value(0);
    QStringList phrases;
    const auto collect = [&phrases](const QString &text) {
        const QString phrase = phraseOf(text).text.simplified();
        if (hasWords(phrase) && !phrases.contains(phrase))
            phrases << phrase;
    };
    for (const QString &path : arguments.mid(1)) {
        const QString name = path.section(QLatin1Char('/'), -1);
        if (path.endsWith(QLatin1String(".svg"))) {
            for (auto match = PictureText.globalMatch(readFile(path)); match.hasNext();)
                collect(match.next().captured(3));
            continue;
        }
        const Page page = splitPage(path);
        writeFile(folder + QLatin1Char('/') + name, page.prose.join(QLatin1Char('\n')));
        for (const QStringList &block : page.blocks)
            for (const QString &line : block)
                for (const QString &phrase : phrasesOfLine(line))
                    collect(phrase);
    }
    writeFile(folder + QLatin1String("/figures.md"),
              phrases.join(QLatin1String("\n\n")) + QLatin1Char('\n'));
    return 0;
}

/// A generated block's line in the language.
QString translatedLine(const QString &line, const Catalogue &catalogue)
{
    if (line.startsWith(QLatin1Char('|')) && !line.startsWith(QLatin1String("|---"))) {
        QString row = QStringLiteral("|");
        for (const QString &cell : phrasesOfLine(line))
            row += QLatin1Char(' ') + catalogue.translate(cell) + QLatin1String(" |");
        return row;
    }
    if (line.startsWith(QLatin1String("- ")))
        return QLatin1String("- ") + catalogue.translate(line.mid(2));
    return line.startsWith(QLatin1String("|---")) ? line : catalogue.translate(line);
}

int fill(const QStringList &arguments)
{
    const QString language = arguments.value(0);
    const Catalogue catalogue(language, arguments.value(1));
    const Page english = splitPage(arguments.value(2));
    const QString translatedPath = arguments.value(3);
    const QString extension = arguments.value(4);
    const QHash<QString, QString> captions = captionsIn(language);

    QStringList englishHeadings;
    for (const QString &line : english.prose)
        if (line.startsWith(QLatin1Char('#')))
            englishHeadings << line;

    QStringList out;
    int block = 0, heading = 0;
    const QStringList lines = readFile(translatedPath).split(QLatin1Char('\n'));
    static const QRegularExpression pageLink(QStringLiteral(R"(\]\(([a-z-]+)\.md([#)]))"));
    for (int n = 0; n < lines.size(); ++n) {
        const QString where = QStringLiteral("%1:%2").arg(translatedPath).arg(n + 1);
        QString line = lines.at(n);
        if (line == Sentinel) {
            if (block >= english.blocks.size())
                fail(where + QLatin1String(": more generated blocks than the English page has"));
            for (const QString &generated : english.blocks.at(block++))
                out << withCaptions(translatedLine(generated, catalogue), captions, where);
            continue;
        }
        if (line.startsWith(QLatin1Char('#')) && heading < englishHeadings.size())
            line +=
                QLatin1String(" {#") + anchorOf(englishHeadings.at(heading++)) + QLatin1Char('}');
        line.replace(pageLink, QStringLiteral("](\\1.") + extension + QLatin1String("\\2"));
        out << withCaptions(line, captions, where);
    }
    if (block != english.blocks.size() || heading != englishHeadings.size())
        fail(translatedPath + QLatin1String(": its blocks or headings differ from the English"));
    QTextStream(stdout) << out.join(QLatin1Char('\n'));
    return 0;
}

int picture(const QStringList &arguments)
{
    const Catalogue catalogue(arguments.value(0), arguments.value(1));
    QString svg = readFile(arguments.value(2));
    QString result;
    qsizetype from = 0;
    for (auto match = PictureText.globalMatch(svg); match.hasNext();) {
        const QRegularExpressionMatch text = match.next();
        result +=
            svg.mid(from, text.capturedStart(3) - from) + catalogue.translate(text.captured(3));
        from = text.capturedEnd(3);
    }
    writeFile(arguments.value(3), result + svg.mid(from));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    try {
        if (command == QLatin1String("template") && arguments.size() >= 2)
            return makeTemplates(arguments);
        if (command == QLatin1String("fill") && arguments.size() == 5)
            return fill(arguments);
        if (command == QLatin1String("picture") && arguments.size() == 4)
            return picture(arguments);
    } catch (const Failure &failure) {
        std::fprintf(stderr, "lesson_docs: %s\n", failure.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: lesson_docs template <folder> <page.md|picture.svg>...\n"
                 "       lesson_docs fill <language> <file.po|-> <english.md> "
                 "<translated.md> <html|pdf>\n"
                 "       lesson_docs picture <language> <file.po|-> <in.svg> <out.svg>\n");
    return 2;
}
