#include "control_mirror.h"

#include "game_style.h"
#include "skin.h"
#include "widgets.h"
#include "window/names.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <algorithm>
#include <map>

namespace shell {
namespace {

using window::Align;
using window::Control;
using window::ControlKind;

constexpr int kArrowGlyphSide = 14;

// The arrow buttons show arrows rather than captions.
const std::map<std::string, skin::Arrow, std::less<>> kArrowGlyphs = {
    {std::string(window::names::BitBtn1), skin::Arrow::Up},
    {std::string(window::names::BitBtn2), skin::Arrow::Left},
    {std::string(window::names::BitBtn3), skin::Arrow::Right},
    {std::string(window::names::BitBtn4), skin::Arrow::Down},
};

Qt::Alignment alignment(Align align) {
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString text(const Control& c) {
    return QString::fromStdString(c.text);
}

// Text, colours and alignment, by the kind of widget.
void applyText(QWidget* widget, const Control& c) {
    const skin::Colours shown = skin::colours(c);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, shown.background);
    palette.setColor(QPalette::Window, shown.background);
    palette.setColor(QPalette::Text, shown.text);
    palette.setColor(QPalette::WindowText, shown.text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setPalette(palette);
        edit->setAlignment(alignment(c.align));
        if (edit->text() != text(c))
            edit->setText(text(c));
    } else if (auto* box = qobject_cast<QTextEdit*>(widget)) {
        box->setPalette(palette);
        if (box->toPlainText() != text(c))
            box->setPlainText(text(c));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setPalette(palette);
        label->setAlignment(alignment(c.align));
        label->setText(text(c));
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->setPalette(palette);
        list->clear();
        if (!c.text.empty())
            list->addItems(text(c).split('\n'));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text(c));
    } else if (qobject_cast<QFrame*>(widget)) {
        widget->setPalette(palette);
    }
}

// The pixel font at the control's size; a one-line text that would not fit its control takes
// a smaller design.
void applyFont(QWidget* w, const Control& c, int zoom) {
    const bool oneLine = c.kind == ControlKind::Memo || c.kind == ControlKind::Edit;
    const bool fitted = oneLine || c.kind == ControlKind::Button || c.kind == ControlKind::Label;
    const QFont font =
        fitted ? skin::pixelFontToFit(c.fontSize, zoom, fontRole(c.kind), text(c),
                                      oneLine ? (c.width - 4) * zoom : 0, c.height * zoom)
               : skin::pixelFont(c.fontSize, zoom);
    if (w->font() != font)
        w->setFont(font);
}

bool sameText(const Control& a, const Control& b) {
    return a.text == b.text && a.textColor == b.textColor && a.background == b.background &&
           a.align == b.align;
}

// Keep what was applied to a widget, all but the picture: a picture widget holds its own copy,
// and copying every picture after every event would cost more than the rest of the mirror.
void keepApplied(Control& applied, const Control& c) {
    applied.kind = c.kind;
    applied.name = c.name;
    applied.parent = c.parent;
    applied.x = c.x;
    applied.y = c.y;
    applied.width = c.width;
    applied.height = c.height;
    applied.visible = c.visible;
    applied.enabled = c.enabled;
    applied.focused = c.focused;
    applied.text = c.text;
    applied.hint = c.hint;
    applied.showHint = c.showHint;
    applied.fontSize = c.fontSize;
    applied.bold = c.bold;
    applied.align = c.align;
    applied.textColor = c.textColor;
    applied.background = c.background;
}

} // namespace

skin::Role fontRole(ControlKind kind) {
    return kind == ControlKind::Memo ? skin::Role::Figures : skin::Role::Text;
}

int fontPixels(int fontSize, int zoom, ControlKind kind) {
    return skin::pixelFont(fontSize, zoom, fontRole(kind)).pixelSize();
}

ControlMirror::ControlMirror(QWidget* host, const window::Window& model, int zoom, EventSink& sink,
                             std::string prefix, const std::set<std::string>& drawnOnScreen)
    : host_(host), zoom_(zoom), sink_(sink), prefix_(std::move(prefix)) {
    for (const Control& c : model.controls) {
        if (drawnOnScreen.contains(c.name))
            continue;
        QWidget* parent = c.parent.empty() ? host_ : widget(c.parent);
        mirrored_.push_back({c.name, makeWidget(parent ? parent : host_, c), c, true});
    }
    sync(model);
}

QWidget* ControlMirror::makeWidget(QWidget* parent, const Control& c) {
    const std::string name = prefix_ + c.name;
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::Image:
        w = new PictureWidget(parent, sink_, name);
        break;
    case ControlKind::Memo:
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        w = edit;
        break;
    }
    case ControlKind::RichEdit: {
        auto* box = new QTextEdit(parent);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        w = box;
        break;
    }
    case ControlKind::Button:
    case ControlKind::BitBtn: {
        auto* button = new ModelButton(parent, sink_, name);
        w = button;
        break;
    }
    case ControlKind::Panel: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setAutoFillBackground(true);
        w = frame;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        QObject::connect(
            list, &QListWidget::itemClicked, list,
            [this, name, list](QListWidgetItem* item) { sink_.rowChosen(name, list->row(item)); });
        w = list;
        break;
    }
    case ControlKind::Label:
        w = new QLabel(parent);
        break;
    }
    w->setObjectName(QString::fromStdString(c.name));
    return w;
}

void ControlMirror::setZoom(int zoom) {
    zoom_ = zoom;
    for (Mirrored& m : mirrored_)
        m.fresh = true;
}

void ControlMirror::setOnPlates(std::set<std::string> names) {
    onPlates_ = std::move(names);
    for (Mirrored& m : mirrored_)
        m.fresh = true;
}

void ControlMirror::setAccents(std::map<std::string, Accent> accents) {
    if (accents == accents_)
        return;
    auto accentOf = [](const std::map<std::string, Accent>& all, const std::string& name) {
        const auto it = all.find(name);
        return it == all.end() ? Accent{} : it->second;
    };
    for (Mirrored& m : mirrored_)
        m.fresh = m.fresh || accentOf(accents, m.name) != accentOf(accents_, m.name);
    accents_ = std::move(accents);
}

void ControlMirror::setCover(std::optional<QRect> area) {
    cover_ = area;
}

bool ControlMirror::covered(const Control& c) const {
    return cover_ && c.parent.empty() && cover_->contains(QRect(c.x, c.y, c.width, c.height));
}

void ControlMirror::sync(const window::Window& model) {
    for (Mirrored& m : mirrored_) {
        // The model keeps its controls in one order: look where the control was last time.
        if (m.index >= model.controls.size() || model.controls[m.index].name != m.name) {
            const auto c = std::find_if(model.controls.begin(), model.controls.end(),
                                        [&](const Control& each) { return each.name == m.name; });
            if (c == model.controls.end())
                continue;
            m.index = static_cast<std::size_t>(c - model.controls.begin());
        }
        apply(m, model.controls[m.index]);
    }
}

void ControlMirror::apply(Mirrored& m, const Control& model) {
    Control tinted;
    const auto accent = accents_.find(m.name);
    const bool tint = accent != accents_.end() && accent->second.text;
    if (tint) {
        tinted = model;
        tinted.textColor = accent->second.text->rgb() & 0xffffff;
    }
    const Control& c = tint ? tinted : model;
    const Accent look = accent != accents_.end() ? accent->second : Accent{};
    QWidget* w = m.widget;
    const Control& old = m.applied;
    const bool all = m.fresh;
    if (all || c.x != old.x || c.y != old.y || c.width != old.width || c.height != old.height) {
        w->setGeometry(c.x * zoom_, c.y * zoom_, c.width * zoom_, c.height * zoom_);
        if (const auto glyph = kArrowGlyphs.find(c.name); glyph != kArrowGlyphs.end()) {
            auto* button = static_cast<QPushButton*>(w);
            const int side = kArrowGlyphSide * zoom_;
            button->setIcon(skin::arrowIcon(glyph->second, side));
            button->setIconSize(QSize(side, side));
        }
    }
    if (all || c.fontSize != old.fontSize || c.bold != old.bold || c.text != old.text ||
        c.width != old.width)
        applyFont(w, c, zoom_);
    if (all || !sameText(c, old)) {
        applyText(w, c);
        const QString style =
            gameStyleSheet(c, zoom_, onPlates_.contains(m.name), look.indent, look.bare);
        if (w->styleSheet() != style)
            w->setStyleSheet(style);
    }
    if (all || c.hint != old.hint || c.showHint != old.showHint)
        w->setToolTip(c.showHint ? QString::fromStdString(c.hint) : QString());
    if (all || c.enabled != old.enabled)
        w->setEnabled(c.enabled);
    const bool hidden = covered(c);
    if (all || c.visible != old.visible || hidden != m.hidden)
        w->setVisible(c.visible && !hidden);
    m.hidden = hidden;
    if (c.kind == ControlKind::Image)
        if (auto* picture = dynamic_cast<PictureWidget*>(w);
            picture && picture->picture() != c.picture)
            picture->setPicture(c.picture);
    if (c.focused && (all || !old.focused || !w->hasFocus()) && w->isVisible())
        w->setFocus();
    keepApplied(m.applied, c);
    m.fresh = false;
}

QWidget* ControlMirror::widget(const std::string& control) const {
    for (const Mirrored& m : mirrored_)
        if (m.name == control)
            return m.widget;
    return nullptr;
}

} // namespace shell
