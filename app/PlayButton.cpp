#include "app/PlayButton.h"

#include "about/AboutDialog.h"
#include "app/DefaultPositionWin32.h"
#include "app/HotkeyDialog.h"
#include "app/Hotkeys.h"
#include "app/PlayButtonMenu.h"
#include "app/RecentPlayedMenu.h"
#include "face/FaceFrame.h"
#include "face/FaceLayout.h"
#include "face/PlayAgainButton.h"
#include "face/SongTagPopup.h"
#include "face/ThemeStrip.h"
#include "gui/Application.h"
#include "gui/ErrorBox.h"
#include "gui/LayeredWindow.h"
#include "gui/MonitorDpi.h"
#include "gui/MouseTracking.h"
#include "gui/Placement.h"
#include "library/RebuildDialog.h"
#include "resources/resource.h"
#include "system/Notice.h"
#include "system/StartupTrace.h"
#include "tags/Id3v2Tag.h"

namespace plk {
namespace {

const char kHint[] = "To move Play button, hold control key and left mouse button";

// Said once at start, instead of "Unable to write to ..." at every change.
void warnUnreachableFolder() {
    showNotice(NoticeKind::kWarning,
               L"Plinkety cannot keep its settings and music library in its folder\r\n\r\n" +
                   Application::exeFolderName() +
                   L"\r\n\r\nThis system's code page cannot spell the folder's name, and the folder has no "
                   L"short name. Plinkety goes on with its default settings and does not save changes."
                   L"\r\n\r\nMove plinkety.exe to a folder whose name uses only letters of your system's "
                   L"language, for instance C:\\Plinkety\\.");
}

// Start-up goes on after a failing step: each step is run on its own, its
// error shown in the error box, and the next step runs regardless, so the
// button always ends up placed, drawn and shown.
template <typename Step>
void startupStep(Step&& step) {
    runHandler(std::forward<Step>(step));
}

}  // namespace

TForm1::TForm1()
    : timers_(FadeTimers::of<ButtonBrightness>()), autostart_(PopupMenu1, settings_, Application::title()) {
    create(layeredWindowParams("TForm1", Application::title(), kButtonSide, kButtonSide));
    traceStartup("Play button window");
    createControls();
    traceStartup("Play button controls");
    FormCreate();
}

TForm1::~TForm1() {
    runHandler([this] { FormDestroy(); });
}

void TForm1::createControls() {
    const FaceLayout face = faceLayout(scale());
    Image1 = std::make_unique<ImageControl>(hwnd(), face.frame, face.frame, face.buttonPicture().width,
                                            face.buttonPicture().height);
    Image1->onClick = [this] { Image1Click(); };
    Image1->onContextMenu = [this](POINT at) { PopupMenu1.showAt(hwnd(), at); };
    Image1->onMouseMove = [this](WPARAM keys) { FormMouseMove(keys); };
    Image1->onMouseEnter = [this] { CMMouseEnter(); };
    Image1->onMouseLeave = [this] { CMMouseLeave(); };
    Image1->onMouseDown = [this] { ImageMouseDown(); };
    Image1->onMouseUp = [this] { ImageMouseUp(); };
    recentlyPlayed_ = buildPopupMenu1(PopupMenu1);
    createHotkeyTimers();
}

void TForm1::FormCreate() {
    if (!Application::exeFolderReachable()) startupStep([] { warnUnreachableFolder(); });
    IndexFileName = Application::exeFolder() + kIndexFileName;
    const ScreenPoint home = defaultButtonPosition();
    traceStartup("default place");
    readSettings(home.x, home.y);
    traceStartup("settings read");
    // A place saved on a monitor that has since gone, or beyond a lowered
    // resolution, would leave the button where no one can reach it. The
    // default place stands in; as the start position it is what a move at
    // exit is measured from, so the saved place stays in the file, ready
    // for that monitor's return, unless the user moves the button. The
    // button is measured at the size it takes there: 56 pixels at 150 %.
    const DisplayScale savedScale(dpiAtPoint(POINT{StartPosX, StartPosY}));
    takeStartPosition(reachablePlace(ScreenPoint{StartPosX, StartPosY}, faceLayout(savedScale).button,
                                     monitorRects(), home));
    hideTaskbarButton();
    traceStartup("taskbar button hidden");
    // Sized for the monitor it starts on, and put on top of other windows
    // in the same request; posX and posY stay screen pixels.
    placeButton(ScreenPoint{StartPosX, StartPosY}, StayOnTop ? HWND_TOPMOST : nullptr);
    applyBrightness();  // at rest
    traceStartup("button placed");
    startupStep([this] { ReadIndex(); });
    traceStartup("index read");
    startupStep([this] { TagReader = std::make_unique<Tid3v2tag>(); });
    startupStep([this] { registerStoredHotkeys(); });
    show();
    traceStartup("button shown");
    // The other windows are yet to be created before the message loop runs:
    // the button is drawn now rather than after them. Its hint is not needed
    // to see it and comes after it.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    hint_ = std::make_unique<Tooltip>(hwnd(), Image1->hwnd(), kHint);
}

void TForm1::ReadIndex() {
    if (round_) return reloadWithRound();
    reloadIndex(IndexFileName, Library, NoLibrary);
    if (AvoidRepeats) takeUpRound(true);
}

void TForm1::readSettings(int defaultLeft, int defaultTop) {
    StayOnTop = settings_.readBool("stayontop", true);
    PopupMenu1.setChecked(Alwaysontop1, StayOnTop);

    Theme = settings_.readInteger("schema", 0);
    if (const UINT item = themeItem(Theme)) PopupMenu1.checkRadio(item);

    InvertLabels = settings_.readBool("clinvert", false);
    readRoundSetting();

    autostart_.read();
    // A path that names no file is not written; the box about a folder the
    // code page cannot spell has said so already.
    startupStep([this] { autostart_.writeMissingValue(Application::reachableExePath()); });

    PlayHotkeyText = settings_.readString("hotkey", std::string());
    PlayAgainHotkeyText = settings_.readString("hotkeypa", std::string());
    StartPosX = settings_.readInteger("posX", defaultLeft);
    StartPosY = settings_.readInteger("posY", defaultTop);
}

void TForm1::hideTaskbarButton() {
    // The owner window stands for the program on the taskbar and in Alt+Tab;
    // as a tool window it appears in neither. The style only takes effect
    // while the window is hidden. It is shown again at once, and activated,
    // before the button is shown: the foreground the program was started
    // with goes first to the window that stands for the application.
    const HWND owner = Application::ownerWindow();
    ShowWindow(owner, SW_HIDE);
    SetWindowLongPtrA(owner, GWL_EXSTYLE, GetWindowLongPtrA(owner, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    ShowWindow(owner, SW_SHOW);
}

void TForm1::FormClose() { withdrawHotkeys(); }

void TForm1::closeProgram() {
    FormClose();
    Application::Terminate();
}

void TForm1::endSession() {
    // The system may end the process as soon as this message is answered,
    // before the windows are destroyed: the position cannot wait for that,
    // nor can a rebuild's index, which the dialog's own message may not
    // reach in time.
    if (rebuildDialog_) rebuildDialog_->sessionEnding();
    closeProgram();
    savePosition();
}

void TForm1::endRun() {
    FormClose();
    runHandler([this] { savePosition(); });
    aboutDialog_ = nullptr;
    rebuildDialog_ = nullptr;
    songTag_ = nullptr;
    hotkeyDialog_ = nullptr;
    playAgainButton_ = nullptr;
    companions_.clear();
    Application::hideWindows();
}

void TForm1::setSongTag(TForm4& popup) {
    songTag_ = &popup;
    companions_.push_back(&popup);
}

void TForm1::setPlayAgain(TForm6& button) {
    playAgainButton_ = &button;
    companions_.push_back(&button);
}

void TForm1::FormDestroy() { savePosition(); }

void TForm1::savePosition() {
    // Once a run: a session's end has saved it before the windows go.
    if (!hwnd() || positionSaved_) return;
    positionSaved_ = true;
    const RECT now = windowRect();
    if (now.left == StartPosX && now.top == StartPosY) return;
    settings_.writeInteger("posX", now.left);
    settings_.writeInteger("posY", now.top);
}

void TForm1::takeStartPosition(ScreenPoint place) {
    StartPosX = place.x;
    StartPosY = place.y;
}

void TForm1::placeButton(ScreenPoint place, HWND insertAfter) {
    placeButton(DisplayScale(dpiAtPoint(POINT{place.x, place.y})), place, insertAfter);
}

void TForm1::placeButton(const DisplayScale& scale, ScreenPoint place, HWND insertAfter) {
    layOut(scale);
    Image1->drawImage(ImageList1, Theme);
    const FaceLayout face = faceLayout(scale);
    moveWindowTo(hwnd(), place.x, place.y, face.button.width, face.button.height, insertAfter);
}

void TForm1::layOut(const DisplayScale& scale) {
    setScale(scale);
    const FaceLayout face = faceLayout(scale);
    ImageList1 = loadThemeStrip(IDB_PLAYBUTTON, scale, face.buttonPicture());
    Image1->place(face.frame, face.frame, face.buttonPicture().width, face.buttonPicture().height);
}

void TForm1::WMDpiChanged(WPARAM wParam, LPARAM lParam) {
    // Moved to a monitor of another DPI, or the user changed the scale: the
    // button takes the new size where Windows suggests, and its companions
    // are laid out for it at once.
    const RECT suggested = suggestedRectOfMessage(lParam);
    placeButton(DisplayScale(dpiOfMessage(wParam)), ScreenPoint{suggested.left, suggested.top});
    InvalidateRect(hwnd(), nullptr, FALSE);
    rescaleCompanions();
}

void TForm1::rescaleCompanions() {
    for (Companion* companion : companions_) companion->setDpi(scale().dpi());
}

void TForm1::WMDisplayChange() {
    // A monitor unplugged, a resolution lowered, the taskbar moved: a button
    // left on no monitor comes back to its default place, as at start, and
    // the place it had stays saved for that monitor's return. Its companions
    // are placed beside it when they show; one showing now would be left
    // behind, so it goes.
    const RECT now = windowRect();
    const ScreenPoint here{now.left, now.top};
    const ScreenPoint home = defaultButtonPosition();
    const PixelSize size{now.right - now.left, now.bottom - now.top};
    const ScreenPoint place = reachablePlace(here, size, monitorRects(), home);
    if (place.x == here.x && place.y == here.y) return;
    for (Companion* companion : companions_) companion->hideAtOnce();
    takeStartPosition(place);
    placeButton(place);
    InvalidateRect(hwnd(), nullptr, FALSE);
    rescaleCompanions();
}

void TForm1::paint() {
    // Shape1: a black frame with a white fill, under Image1.
    const PaintDc dc(hwnd());
    const FaceLayout face = faceLayout(scale());
    drawFaceFrame(dc.get(), face.button, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), scale());
    traceStartup("button painted");
}

void TForm1::FormMouseMove(WPARAM keys) {
    if (!(keys & MK_LBUTTON) || !(keys & MK_CONTROL)) return;
    // Neither companion follows the drag: the Play Again button is placed
    // afresh the next time it shows, the popup with the next song.
    for (Companion* companion : companions_) companion->hideAtOnce();
    ReleaseCapture();
    // The system's move loop follows the pointer until the button is
    // released. The low four bits of the move command name the spot being
    // dragged: with 1 (the client area) Wine's move loop does not follow the
    // mouse, with 2 (the caption) both Wine and Windows do.
    SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void TForm1::CMMouseEnter() {
    brightness_.pointerEntered();
    applyBrightness();
    if (playAgainButton_) playAgainButton_->appear();
}

void TForm1::CMMouseLeave() {
    brightness_.pointerLeft();
    applyBrightness();
    // Up onto the Play Again button, or still in between: it stays.
    if (playAgainButton_ && !playAgainButton_->pointerInColumn(pointerPosition())) playAgainButton_->dismiss();
}

void TForm1::ImageMouseDown() {
    brightness_.press();
    applyBrightness();
}

void TForm1::ImageMouseUp() {
    brightness_.release();
    applyBrightness();
}

void TForm1::setAlpha(BYTE alpha) {
    brightness_.setAlpha(alpha);
    applyBrightness();
}

void TForm1::startFadeOut() {
    brightness_.startFadeOut();
    applyBrightness();
}

void TForm1::timerTick(WPARAM id) {
    brightness_.tick(static_cast<int>(id));
    applyBrightness();
}

void TForm1::applyBrightness() {
    timers_.sync(hwnd(), [this](UINT id) { return brightness_.running(static_cast<int>(id)); });
    setFaceAlpha(hwnd(), brightness_.alpha());
}

LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (Image1 && frameMouseMessage(hwnd(), Image1->hwnd(), message, [this] { CMMouseLeave(); })) return 0;
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        timerTick(wParam);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0) menuCommand(LOWORD(wParam));
        return 0;
    case WM_HOTKEY:
        WMHotKey(wParam);
        return 0;
    case WM_INITMENUPOPUP:
        WMInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_DPICHANGED:
        WMDpiChanged(wParam, lParam);
        return 0;
    case WM_DISPLAYCHANGE:
        WMDisplayChange();
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) WMDisplayChange();
        return defaultHandling(message, wParam, lParam);
    case WM_CLOSE:
        closeProgram();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;  // nothing to ask the user: log-off and shutdown may go on
    case WM_ENDSESSION:
        if (wParam) endSession();
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace plk
