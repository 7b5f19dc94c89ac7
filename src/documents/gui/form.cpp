#include "form.h"

#include "base/gui/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace remitor {

void BuildForm(QWidget *parent, const QList<FormItem> &items, int widthTwips, int heightTwips)
{
    parent->setAutoFillBackground(true);
    QPalette pal = parent->palette();
    pal.setColor(QPalette::Window, FormPaper);
    pal.setColor(QPalette::WindowText, FormInk);
    parent->setPalette(pal);
    parent->setFixedSize(twipsSize(widthTwips, heightTwips));

    QHash<const QFrame *, QButtonGroup *> groups;
    QList<QFrame *> frames;
    const auto frameOf = [&frames](const QRect &r) -> QFrame * {
        for (QFrame *f : frames)
            if (f->geometry().contains(r))
                return f;
        return nullptr;
    };
    // Frames first: they are the background of what stands in them.
    for (const FormItem &it : items) {
        if (it.kind != FormItem::Frame)
            continue;
        auto *f = new QFrame(parent);
        f->setObjectName(QLatin1StringView(it.name));
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Plain);
        QPalette fp = f->palette();
        fp.setColor(QPalette::WindowText, FormInk.lighter(180));
        f->setPalette(fp);
        f->setGeometry(twipsRect(it.x, it.y, it.w, it.h));
        frames.append(f);
        if (it.text && *it.text) {
            auto *l = new QLabel(QString::fromUtf16(it.text), parent);
            QFont font = l->font();
            font.setBold(true);
            l->setFont(font);
            l->move(twips(it.x + 90), twips(it.y + 30));
            l->adjustSize();
        }
    }
    for (const FormItem &it : items) {
        const QString name = it.name ? QString::fromLatin1(it.name) : QString();
        const QString text = it.text ? QString::fromUtf16(it.text) : QString();
        const QRect rect = twipsRect(it.x, it.y, it.w, it.h);
        QWidget *w = nullptr;
        switch (it.kind) {
        case FormItem::Frame: continue;
        case FormItem::Caption:
        case FormItem::Small:
        case FormItem::Words:
        case FormItem::Title: {
            auto *l = new QLabel(text, parent);
            QFont font = l->font();
            if (it.kind == FormItem::Words) {
                // A value, not a caption: the ink of the fields, framed like one.
                l->setFrameShape(QFrame::StyledPanel);
                l->setAutoFillBackground(true);
                QPalette lp = l->palette();
                lp.setColor(QPalette::Window, Qt::white);
                lp.setColor(QPalette::WindowText, Qt::black);
                l->setPalette(lp);
                font.setPixelSize(11);
            } else if (it.kind == FormItem::Title) {
                font.setFamily(u"Times New Roman"_s);
                font.setBold(true);
                font.setPixelSize(twips(it.h) - 4);
            } else if (it.kind == FormItem::Small) {
                font.setPixelSize(10);
            } else {
                font.setPixelSize(11);
            }
            l->setFont(font);
            l->setWordWrap(it.kind == FormItem::Small || it.kind == FormItem::Words);
            if (it.kind == FormItem::Title)
                l->setAlignment(Qt::AlignCenter);
            w = l;
            break;
        }
        case FormItem::Field: {
            auto *e = new QLineEdit(parent);
            e->setFrame(true);
            w = e;
            break;
        }
        case FormItem::Button: {
            auto *b = new QPushButton(text, parent);
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoDefault(false);
            w = b;
            break;
        }
        case FormItem::Check: {
            auto *c = new QCheckBox(text, parent);
            c->setFocusPolicy(Qt::NoFocus);
            w = c;
            break;
        }
        case FormItem::Radio: {
            auto *r = new QRadioButton(text, parent);
            r->setFocusPolicy(Qt::NoFocus);
            if (QFrame *f = frameOf(rect)) {
                QButtonGroup *&g = groups[f];
                if (!g)
                    g = new QButtonGroup(parent);
                g->addButton(r);
            }
            w = r;
            break;
        }
        }
        if (!name.isEmpty())
            w->setObjectName(name);
        w->setGeometry(rect);
    }
}

}  // namespace remitor
