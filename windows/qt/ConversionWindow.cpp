#include "windows/qt/ConversionWindow.h"

#include "app/Modulo1.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>

ConversionWindow::ConversionWindow(Modulo1& model, QWidget* mainWindow, const QString& objectName,
                                   const QString& caption)
    : QWidget(nullptr), m(model), mainWindow_(mainWindow), queue_(model, this) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    static const char* const captions[7] = {
        "ESEGUI", "ESCI",  "CANCELLA COORDINATE", "COPIA COORDINATE", "INCOLLA COORDINATE",
        "ACCODA", "STAMPA"};
    for (int i = 0; i < 7; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(captions[i]), this);
        b->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        b->setAutoDefault(false);
        commands_[size_t(i)] = b;
    }
    connect(button(Button::Execute), &QPushButton::clicked, this, &ConversionWindow::onExecute);
    connect(button(Button::Exit), &QPushButton::clicked, this, &ConversionWindow::onExit);
    connect(button(Button::Clear), &QPushButton::clicked, this, &ConversionWindow::onClear);
    connect(button(Button::Copy), &QPushButton::clicked, this, &ConversionWindow::onCopy);
    connect(button(Button::Paste), &QPushButton::clicked, this, &ConversionWindow::onPaste);
    connect(button(Button::Append), &QPushButton::clicked, this, &ConversionWindow::onAppend);
    connect(button(Button::Print), &QPushButton::clicked, this, &ConversionWindow::onPrint);
}

ConversionWindow::~ConversionWindow() {
    // A window destroyed without being closed still gives the main window back.
    if (!unloaded_ && mainWindow_)
        mainWindow_->setEnabled(true);
}

QString ConversionWindow::angleUnitName(int angleUnit) {
    return QString::fromUtf8(tervano::AngleUnitName(angleUnit));
}

QString ConversionWindow::angleToolTip(int angleUnit, bool latitude) {
    static const char* const forms[4] = {"(gg.ppssdddd)", "(gg.dddddddd)", "(gg.dddddddd)", "(gg.ppdddddd)"};
    const int u = angleUnit >= 1 && angleUnit <= 4 ? angleUnit : 1;
    return QStringLiteral("%1 in %2 %3")
        .arg(latitude ? QStringLiteral("Latitudine") : QStringLiteral("Longitudine"), angleUnitName(u),
             QString::fromLatin1(forms[u - 1]));
}

void ConversionWindow::addPage(tervano::ConversionPage* page, QWidget* tab) {
    pages_.push_back(PageControls{page, tab, {}, {}, nullptr});
}

void ConversionWindow::setTabs(QTabWidget* tabs) {
    tabs_ = tabs;
    connect(tabs_, &QTabWidget::currentChanged, this, &ConversionWindow::onTabChanged);
}

int ConversionWindow::pageIndex() const {
    if (!tabs_)
        return 0;
    QWidget* shown = tabs_->currentWidget();
    for (size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].tab == shown)
            return int(i);
    return 0;
}

tervano::ConversionPage* ConversionWindow::page() const {
    return pages_.empty() ? nullptr : pages_[size_t(pageIndex())].page;
}

const std::vector<CoordinateField*>& ConversionWindow::pageFields() const {
    return pages_.empty() ? fields_ : pages_[size_t(pageIndex())].fields;
}

void ConversionWindow::onTabChanged(int) {
    // The copy and the queued block belong to the result of the tab it was computed on.
    button(Button::Append)->setEnabled(false);
    button(Button::Copy)->setEnabled(false);
    button(Button::Paste)->setEnabled(acceptsPaste(m.CopiedCoordinates));
    pageShown(pageIndex());
    if (!pageFields().empty())
        pageFields().front()->showEdit(true);
}

QLineEdit* ConversionWindow::pointNameBox() const {
    if (!pages_.empty() && pages_[size_t(pageIndex())].pointName)
        return pages_[size_t(pageIndex())].pointName;
    return pointName_;
}

tervano::PageSettings ConversionWindow::pageSettings() const {
    return tervano::PageSettings{m.AngleUnit, m.LongitudeOrigin,
                                 QString(QLocale().decimalPoint()).toStdString()};
}

tervano::PrintTexts ConversionWindow::printTexts() const {
    return tervano::PrintTexts{m.HeaderPoint.toStdString(), m.HeaderRule.toStdString(),
                               m.GapWide.toStdString(), m.GapNarrow.toStdString()};
}

void ConversionWindow::addInputField(CoordinateField* field) {
    fields_.push_back(field);
    if (!pages_.empty())
        pages_.back().fields.push_back(field);
    connect(field, &CoordinateField::committed, this, [this, field] {
        fieldCommitted(field);
        button(Button::Execute)->setEnabled(true);
        button(Button::Clear)->setEnabled(true);
    });
    connect(field, &CoordinateField::displayClicked, this, [this, field] {
        invalidateResult();
        field->showEdit(true);
    });
    connect(field, &CoordinateField::enterPressed, this, [this, field] { onEnter(field); });
}

QLineEdit* ConversionWindow::addResultBox(QLineEdit* box) {
    box->setReadOnly(true);
    results_.push_back(box);
    if (!pages_.empty())
        pages_.back().results.push_back(box);
    return box;
}

QLineEdit* ConversionWindow::makeResultBox(const QString& name, const QString& toolTip) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::ClickFocus);
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    return addResultBox(box);
}

QBoxLayout* ConversionWindow::buttonPanel(bool vertical) {
    QBoxLayout* l = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    // Every button as wide as the longest caption needs, with room on both sides.
    int width = 0;
    for (QPushButton* b : commands_)
        width = std::max(width, b->fontMetrics().horizontalAdvance(b->text()) +
                                    4 * b->fontMetrics().averageCharWidth());
    for (QPushButton* b : commands_) {
        b->setMinimumWidth(width);
        l->addWidget(b);
    }
    return l;
}

void ConversionWindow::arrangeColumns(const QList<QWidget*>& left, const QList<QWidget*>& middle) {
    auto column = [](const QList<QWidget*>& widgets) {
        auto* l = new QVBoxLayout;
        for (QWidget* w : widgets)
            l->addWidget(w);
        l->addStretch(1);
        return l;
    };
    auto* buttons = buttonPanel(true);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(column(left), 0);
    top->addLayout(column(middle), 1);
    top->addLayout(buttons, 0);
}

ConversionWindow::SystemFrame ConversionWindow::makeSystemFrame(const QString& frameName,
                                                                const QString& optionName) {
    SystemFrame s{};
    s.frame = new QGroupBox(QStringLiteral("Sistema Geodetico di riferimento"), this);
    s.frame->setObjectName(frameName);
    s.group = new QButtonGroup(s.frame);
    s.group->setObjectName(optionName);
    auto* l = new QVBoxLayout(s.frame);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(tervano::SystemCaption(i + 1)), s.frame);
        b->setObjectName(QStringLiteral("%1_%2").arg(optionName).arg(i));
        s.group->addButton(b, i);
        l->addWidget(b);
        s.options[size_t(i)] = b;
    }
    return s;
}

QGroupBox* ConversionWindow::makePointNameFrame(const QString& frameName, const QString& textName,
                                                QLineEdit** text) {
    auto* frame = new QGroupBox(QStringLiteral("Denominazione del punto (opzionale)"), this);
    frame->setObjectName(frameName);
    auto* box = new QLineEdit(frame);
    box->setObjectName(textName);
    box->setToolTip(QStringLiteral("Numero e/o nome del punto"));
    auto* l = new QVBoxLayout(frame);
    l->addWidget(box);
    if (text)
        *text = box;
    if (pages_.empty())
        pointName_ = box;
    else
        pages_.back().pointName = box;
    return frame;
}

QWidget* ConversionWindow::makeUnitRow(const QString& captionName, const QString& unitName) {
    auto* row = new QWidget(this);
    auto* l = new QHBoxLayout(row);
    l->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Unità di misura degli angoli selezionata:"), row);
    caption->setObjectName(captionName);
    auto* unit = new QLabel(row);
    unit->setObjectName(unitName);
    QFont bold = unit->font();
    bold.setBold(true);
    unit->setFont(bold);
    l->addWidget(caption);
    l->addWidget(unit);
    unitLabel_ = unit;
    l->addStretch(1);
    return row;
}

void ConversionWindow::runLoad() {
    if (mainWindow_)
        mainWindow_->setEnabled(false);
    queue_.resetForLoad();
    for (PageControls& p : pages_)
        p.page->changeSettings(pageSettings());
    loadDefaults();
    for (Button b : {Button::Copy, Button::Execute, Button::Clear, Button::Append, Button::Print})
        button(b)->setEnabled(false);
    button(Button::Paste)->setEnabled(acceptsPaste(m.CopiedCoordinates));
    for (CoordinateField* f : fields_)
        if (f->kind() == CoordinateField::Kind::Angle)
            f->setAngleUnit(m.AngleUnit);
    showAngleUnit();
    angleUnit_ = m.AngleUnit;
    longitudeOrigin_ = m.LongitudeOrigin;
    updateGreenwichNotice();
    installKeyPreview();
    if (QWidget* first = initialFocus())
        first->setFocus(Qt::OtherFocusReason);
}

void ConversionWindow::showAngleUnit() {
    if (unitLabel_)
        unitLabel_->setText(angleUnitName(m.AngleUnit));
    for (CoordinateField* f : fields_)
        if (f->kind() == CoordinateField::Kind::Angle && f->angleRole() != CoordinateField::AngleRole::None)
            f->setToolTips(angleToolTip(m.AngleUnit, f->angleRole() == CoordinateField::AngleRole::Latitude));
}

void ConversionWindow::applySettings() {
    // "OK" without a change leaves the result, which is still right.
    if (m.AngleUnit == angleUnit_ && m.LongitudeOrigin == longitudeOrigin_)
        return;
    // A longitude typed from Greenwich becomes the same meridian counted from
    // Monte Mario, and back; any other angle keeps its value.
    double shift = 0;
    if (longitudeOrigin_ == 2 && m.LongitudeOrigin == 1)
        shift = tervano::GreenwichToMonteMario(0);
    else if (longitudeOrigin_ == 1 && m.LongitudeOrigin == 2)
        shift = tervano::MonteMarioToGreenwich(0);
    for (CoordinateField* f : fields_)
        f->changeNotation(m.AngleUnit, countsFromLongitudeOrigin(f) ? shift : 0.0);
    angleUnit_ = m.AngleUnit;
    longitudeOrigin_ = m.LongitudeOrigin;
    // Every page drops its result, written in the old settings.
    for (PageControls& p : pages_)
        p.page->changeSettings(pageSettings());
    for (QLineEdit* r : results_)
        r->clear();
    showAngleUnit();
    updateGreenwichNotice();
    settingsApplied();
    invalidateResult();
}

QWidget* ConversionWindow::initialFocus() const {
    return fields_.empty() ? nullptr : fields_.front()->edit();
}

void ConversionWindow::installKeyPreview() {
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

// The edit box of a typed coordinate, where a "," can only be meant as the
// decimal point; text boxes such as the point name keep their commas.
bool ConversionWindow::isNumberBox(const QObject* watched) {
    const auto* field = qobject_cast<const CoordinateField*>(watched->parent());
    return field && field->edit() == watched;
}

bool ConversionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral(",") && isNumberBox(watched)) {
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), QStringLiteral("."),
                            key->isAutoRepeat(), ushort(key->count()));
            QApplication::sendEvent(watched, &point);
            return true;
        }
        // Enter on a focused button presses it, so "ESEGUI" follows the last box's Enter.
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

CoordinateField* ConversionWindow::nextField(CoordinateField* field) const {
    const std::vector<CoordinateField*>& fields = pageFields();
    for (size_t i = 0; i + 1 < fields.size(); ++i)
        if (fields[i] == field)
            return fields[i + 1];
    return nullptr;
}

CoordinateField* ConversionWindow::fieldForInput(int input) const {
    const std::vector<CoordinateField*>& fields = pageFields();
    return input >= 1 && size_t(input) <= fields.size() ? fields[size_t(input - 1)] : nullptr;
}

void ConversionWindow::onEnter(CoordinateField* field) {
    CoordinateField* next = nextField(field);
    if (next) {
        next->showEdit(true); // the box left reads itself on losing the focus
        return;
    }
    field->commit(); // enables "ESEGUI" before it takes the focus
    button(Button::Execute)->setFocus(Qt::OtherFocusReason);
}

MessageAnswer ConversionWindow::showMessage(const QStringList& lines, MessageIcon icon,
                                            MessageButtons buttons) {
    return m.platform.messages.show(this, lines.join(QLatin1Char('\r')), icon, buttons);
}

void ConversionWindow::reportRefusal(const tervano::Refusal& refusal) {
    QStringList lines;
    for (const std::string& line : refusal.lines)
        lines << QString::fromStdString(line);
    const MessageIcon icon = refusal.icon == tervano::RefusalIcon::Exclamation   ? MessageIcon::Exclamation
                             : refusal.icon == tervano::RefusalIcon::Information ? MessageIcon::Information
                                                                                 : MessageIcon::Stop;
    invalidateResult();
    showMessage(lines, icon);
    if (CoordinateField* field = fieldForInput(refusal.input))
        field->showEdit(true);
}

bool ConversionWindow::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    return page() && page()->acceptsPaste(c);
}

void ConversionWindow::execute() {
    readInputs();
    if (const std::optional<tervano::Refusal> refused = page()->execute()) {
        reportRefusal(*refused);
        return;
    }
    acceptResult();
    showResult();
}

void ConversionWindow::copyCoordinates() {
    m.CopiedCoordinates = page()->copyRecord();
}

void ConversionWindow::pasteCoordinates() {
    page()->paste(m.CopiedCoordinates);
    showPasted();
}

void ConversionWindow::acceptResult() {
    button(Button::Copy)->setEnabled(true);
    button(Button::Append)->setEnabled(m.PrinterPresent);
}

void ConversionWindow::invalidateResult() {
    // Copying and printing offer only results that are shown.
    button(Button::Copy)->setEnabled(false);
    button(Button::Append)->setEnabled(false);
    if (tervano::ConversionPage* p = page())
        p->clearResult();
    emptyResultBoxes();
}

void ConversionWindow::emptyResultBoxes() {
    if (pages_.empty()) {
        for (QLineEdit* r : results_)
            r->clear();
        return;
    }
    for (QLineEdit* r : pages_[size_t(pageIndex())].results)
        r->clear();
}

void ConversionWindow::setDescription(QLabel* label, const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines)
        shown << QString::fromStdString(line);
    label->setText(shown.join(QLatin1Char('\n')));
}

void ConversionWindow::onExecute() {
    execute();
}

void ConversionWindow::onExit() {
    if (m.PrinterPresent && m.QueueOpen &&
        showMessage(
            {QStringLiteral("LA CODA DI STAMPA NON E' VUOTA,"), QStringLiteral("USCIRE UGUALMENTE ?")},
            MessageIcon::Exclamation, MessageButtons::YesNo) == MessageAnswer::No)
        return;
    queue_.discard();
    close();
}

void ConversionWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        // The menu opens the chosen window before closing the others: the main
        // window comes back only when no other conversion window stays open.
        bool otherOpen = false;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* other = qobject_cast<ConversionWindow*>(w);
            otherOpen = otherOpen || (other && other != this && !other->unloaded_ && other->isVisible());
        }
        if (mainWindow_ && !otherOpen)
            mainWindow_->setEnabled(true);
        if (m.PrinterPresent && m.QueueOpen &&
            showMessage({QStringLiteral("LA CODA DI STAMPA NON E' VUOTA,"),
                         QStringLiteral("ELIMINARE SENZA STAMPARE ?")},
                        MessageIcon::Exclamation, MessageButtons::YesNo) == MessageAnswer::No)
            queue_.print();
        queue_.discard();
    }
    event->accept();
}

void ConversionWindow::onClear() {
    clearCoordinates();
}

void ConversionWindow::clearCoordinates() {
    for (CoordinateField* f : pageFields())
        f->clear();
    if (tervano::ConversionPage* p = page())
        p->clearResult();
    emptyResultBoxes();
    clearExtras();
    for (Button b : {Button::Copy, Button::Paste, Button::Execute, Button::Append})
        button(b)->setEnabled(false);
    if (!pageFields().empty())
        pageFields().front()->showEdit(true);
    button(Button::Clear)->setEnabled(false);
}

void ConversionWindow::onCopy() {
    copyCoordinates();
    button(Button::Copy)->setEnabled(false);
}

void ConversionWindow::onPaste() {
    pasteCoordinates();
    emptyResultBoxes();
    button(Button::Execute)->setEnabled(true);
    button(Button::Clear)->setEnabled(true);
    for (Button b : {Button::Paste, Button::Copy, Button::Append})
        button(b)->setEnabled(false);
}

void ConversionWindow::onAppend() {
    if (!m.PrinterPresent)
        return;
    button(Button::Print)->setEnabled(true);
    tervano::ConversionPage* p = page();
    if (QLineEdit* name = pointNameBox())
        p->setPointName(name->text().toStdString());
    if (!queue_.append(QString::fromStdString(p->printTitle()), p->printedBlock(printTexts())))
        button(Button::Print)->setEnabled(false);
}

void ConversionWindow::onPrint() {
    queue_.print();
    button(Button::Print)->setEnabled(false);
}
