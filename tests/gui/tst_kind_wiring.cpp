// The wiring of every kind agrees with its table: the forms bind fields
// the layout has, the print pages fill from fields the layout has, every
// value of a page gets a text from a full record, and every boxed
// character falls into its box.
#include "documents/gui/kind_wiring.h"
#include "documents/kinds.h"
#include "print/form_style.h"
#include "store/record.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

// Every field at its widest: texts of their full width (a number where the
// text holds an amount), amounts, dates.
Record fullRecord(const KindDescriptor &k)
{
    const TableDef &def = k.tableDef();
    Record r(def);
    for (int i = 0; i < def.fields.size(); ++i) {
        const FieldDef &f = def.fields[i];
        switch (f.type) {
        case FieldType::Text: {
            const FieldSpec *entry = k.fieldSpec(f.name);
            const bool amount = entry && entry->rule == FieldRule::AmountText;
            r.set(i, amount ? u"12345678.9"_s : QString(f.width, QChar(u'A' + i % 26)));
            break;
        }
        case FieldType::Money: r.set(i, Money::fromUnits(123456, 78)); break;
        case FieldType::Date: r.set(i, QDate(2010, 3, 5)); break;
        case FieldType::Int16:
        case FieldType::Int32: r.set(i, qint32(1)); break;
        case FieldType::Double: r.set(i, 12.5); break;
        case FieldType::Boolean: r.set(i, true); break;
        }
    }
    return r;
}

QList<const PageLayout *> pagesOf(const KindWiring &w)
{
    QList<const PageLayout *> pages{&w.print().page()};
    if (w.print().pageWithSecond)
        pages << &w.print().pageWithSecond();
    if (w.secondPrint)
        pages << &w.secondPrint().page();
    return pages;
}

bool isValue(const PageElement &e)
{
    using K = PageElement::Kind;
    return !e.name.isEmpty() && (e.kind == K::Value || e.kind == K::TextArea || e.kind == K::DigitBoxes);
}

}  // namespace

class TestKindWiring : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formsBindFieldsOfTheTable();
    void pagesFillFromFieldsOfTheTable();
    void aFullRecordLeavesNoValueEmpty();
    void boxedCharactersFallIntoTheirBoxes();
};

void TestKindWiring::formsBindFieldsOfTheTable()
{
    for (const KindWiring &w : kindWirings()) {
        const KindDescriptor &k = kindById(w.kind);
        const TableDef &def = k.tableDef();
        for (const auto &[form, fields] : {std::pair{&w.form, &k.entryOrder}, {&w.secondPage, &k.secondPage}}) {
            QSet<QString> edits, bound;
            if (*form) {
                for (const FormItem &it : form->items()) {
                    const QString name = it.name ? QString::fromLatin1(it.name) : QString();
                    if (it.kind == FormItem::Field)
                        edits << name;
                    if (it.field)
                        QVERIFY2(def.field(QLatin1StringView(it.field)), it.field);
                    if ((it.kind == FormItem::Radio || it.kind == FormItem::Check) && !it.field)
                        QVERIFY2(name == w.pageChoice, qPrintable(w.kind + u": "_s + name + u" sets nothing"_s));
                }
            }
            for (const FieldSpec &f : *fields)
                bound << f.objectName();
            // Every text field of the form is a field of the entry order, and back.
            QCOMPARE(edits, bound);
        }
    }
}

void TestKindWiring::pagesFillFromFieldsOfTheTable()
{
    for (const KindWiring &w : kindWirings()) {
        const TableDef &def = kindById(w.kind).tableDef();
        for (const PageLayout *page : pagesOf(w))
            for (const PageElement &e : page->elements) {
                if (e.name.isEmpty() || e.format == ValueFormat::Particular ||
                    e.format == ValueFormat::Window)
                    continue;
                const QString where = page->name + u": "_s + e.name;
                QVERIFY2(def.field(e.source()), qPrintable(where + u" fills from no field"_s));
                if (!e.currencyField.isEmpty())
                    QVERIFY2(def.field(e.currencyField), qPrintable(where));
            }
    }
}

void TestKindWiring::aFullRecordLeavesNoValueEmpty()
{
    for (const KindWiring &w : kindWirings()) {
        const KindDescriptor &k = kindById(w.kind);
        for (const PageLayout *page : pagesOf(w)) {
            const PageFill f =
                FillPage(*page, fullRecord(k), k.printSubject(), true, w.print().fill);
            for (const QString &name : f.names())
                QVERIFY2(page->find(name), qPrintable(page->name + u": no place for "_s + name));
            QSet<QString> seen;
            for (const PageElement &e : page->elements) {
                if (e.name.isEmpty())
                    continue;
                const QString where = page->name + u": "_s + e.name;
                QVERIFY2(!seen.contains(e.name.toLower()), qPrintable(where + u" twice"_s));
                seen << e.name.toLower();
                if (isValue(e) && e.format != ValueFormat::Window)
                    QVERIFY2(!f.text(e.name).trimmed().isEmpty(), qPrintable(where));
                if (e.kind == PageElement::Kind::Check)
                    QVERIFY2(f.hasCheck(e.name), qPrintable(where));
            }
        }
    }
}

// A spread text relies on a fixed pitch: its k-th character must stand in
// the k-th box of the row drawn under it, groups and gaps included. The
// values are as long as their boxes (a BIC field holds more than the form's
// eight boxes: what does not fit is the user's to see on the screen).
void TestKindWiring::boxedCharactersFallIntoTheirBoxes()
{
    for (const KindWiring &w : kindWirings()) {
        const KindDescriptor &k = kindById(w.kind);
        for (const PageLayout *page : pagesOf(w)) {
            for (const PageElement &e : page->elements) {
                const bool spread = e.format == ValueFormat::Spread || e.format == ValueFormat::SpreadUpper ||
                                    e.format == ValueFormat::Iban;
                if (e.kind != PageElement::Kind::Value || !spread)
                    continue;
                const auto boxes = std::find_if(page->elements.begin(), page->elements.end(), [&](const PageElement &b) {
                    return b.kind == PageElement::Kind::DigitBoxes && b.name.isEmpty() && b.top == e.top &&
                           b.left <= e.left && e.left < b.left + b.cellWidth;
                });
                const QString where = page->name + u": "_s + e.name;
                QVERIFY2(boxes != page->elements.end(), qPrintable(where + u" has no boxes"_s));
                Record r = fullRecord(k);
                r.setText(e.source(), QString(boxes->cells, u'W'));
                const QString text = FillPage(*page, r, k.printSubject(), true, w.print().fill).text(e.name);
                const int advance = layout::advanceOf(e.style);
                int box = 0;
                for (int i = 0; i < text.size(); ++i) {
                    if (text[i] == u' ')
                        continue;
                    QVERIFY2(box < boxes->cells, qPrintable(where + u": more characters than boxes"_s));
                    const double middle = e.left + (i + 0.5) * advance;
                    const int cell = boxes->cellLeft(box++);
                    QVERIFY2(middle > cell && middle < cell + boxes->cellWidth,
                             qPrintable(where + u": character %1 outside its box"_s.arg(box)));
                }
                QCOMPARE(box, boxes->cells);
            }
        }
    }
}

QTEST_MAIN(TestKindWiring)
#include "tst_kind_wiring.moc"
