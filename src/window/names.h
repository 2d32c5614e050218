// Every name the game gives its windows, controls, timers and menu entries, in one place. The
// constants carry the designer names themselves (Timer2, Button36, "&Options/&BGM On"), so that
// a search for a control's name finds its constant and every use of it. The window model's
// look-ups throw std::out_of_range for a name it does not know.
#pragma once

#include <array>
#include <string_view>

namespace window {
namespace names {

// The windows: the main window and the four secondary ones.
inline constexpr std::string_view Main = "Main";
inline constexpr std::string_view About = "About";
inline constexpr std::string_view Ranking = "Ranking";
inline constexpr std::string_view Ending = "Ending";
inline constexpr std::string_view DataFolder = "DataFolder";

// The main window's timers.
inline constexpr std::string_view Timer1 = "Timer1"; // the animation of the play field
inline constexpr std::string_view Timer2 = "Timer2"; // the command timer: plays the command stack
inline constexpr std::string_view Timer3 = "Timer3"; // the repeat timer of held buttons
inline constexpr std::string_view Timer4 = "Timer4"; // the opening
// Our own: paces a walk started by a click on the field (Click to Walk), at the speed's pace.
inline constexpr std::string_view WalkTimer = "WalkTimer";
// The timers that run at the pace of the speed.
inline constexpr std::array<std::string_view, 3> kPacedTimers = {Timer1, Timer2, Timer3};

// The background pictures, painted into the screen picture: the centre, the left and right
// panels, and the full-window picture of the opening and the capture.
inline constexpr std::string_view Image1 = "Image1";
inline constexpr std::string_view Image2 = "Image2";
inline constexpr std::string_view Image3 = "Image3";
inline constexpr std::string_view Image23 = "Image23";
// The centre and the two side panels.
inline constexpr std::array<std::string_view, 3> kBackgrounds = {Image1, Image2, Image3};

// The left panel: the floor label, life, offense, defense and gold.
inline constexpr std::string_view Memo11 = "Memo11"; // "Tower  1 F"
inline constexpr std::string_view Memo1 = "Memo1";   // life
inline constexpr std::string_view Memo2 = "Memo2";   // offense
inline constexpr std::string_view Memo3 = "Memo3";   // defense
inline constexpr std::string_view Memo4 = "Memo4";   // gold
// The four figures in the order of Status[0..3].
inline constexpr std::array<std::string_view, 4> kStatusFigures = {Memo1, Memo2, Memo3, Memo4};

// The fifteen item icons (in the order of their items: see item_icons.h) and the keyboard
// item cursor.
inline constexpr std::string_view Image4 = "Image4";
inline constexpr std::string_view Image5 = "Image5";
inline constexpr std::string_view Image6 = "Image6";
inline constexpr std::string_view Image7 = "Image7";
inline constexpr std::string_view Image8 = "Image8";
inline constexpr std::string_view Image9 = "Image9";
inline constexpr std::string_view Image10 = "Image10";
inline constexpr std::string_view Image11 = "Image11";
inline constexpr std::string_view Image12 = "Image12";
inline constexpr std::string_view Image13 = "Image13";
inline constexpr std::string_view Image14 = "Image14";
inline constexpr std::string_view Image15 = "Image15";
inline constexpr std::string_view Image16 = "Image16";
inline constexpr std::string_view Image17 = "Image17";
inline constexpr std::string_view Image18 = "Image18";
// The item icons by their number, Image4 first.
inline constexpr std::array<std::string_view, 15> kItemIconImages = {
    Image4,  Image5,  Image6,  Image7,  Image8,  Image9,  Image10, Image11,
    Image12, Image13, Image14, Image15, Image16, Image17, Image18};
inline constexpr std::string_view ItemCursor = "ItemCursor";

// The right panel: sword and shield with their names, the keys, the monster panel.
inline constexpr std::string_view Memo9 = "Memo9";     // the sword's name
inline constexpr std::string_view Image19 = "Image19"; // the sword
inline constexpr std::string_view Memo10 = "Memo10";   // the shield's name
inline constexpr std::string_view Image20 = "Image20"; // the shield
inline constexpr std::string_view Image32 = "Image32"; // the keys
inline constexpr std::string_view Image31 = "Image31"; // the monster's picture
inline constexpr std::string_view Memo8 = "Memo8";     // the monster's name
inline constexpr std::string_view Memo5 = "Memo5";     // the monster's life
inline constexpr std::string_view Memo6 = "Memo6";     // its offense
inline constexpr std::string_view Memo7 = "Memo7";     // its defense
// The monster panel's fields.
inline constexpr std::array<std::string_view, 4> kMonsterFields = {Memo5, Memo6, Memo7, Memo8};

// The four arrow buttons of mouse control.
inline constexpr std::string_view BitBtn1 = "BitBtn1"; // "Go to Upside"
inline constexpr std::string_view BitBtn2 = "BitBtn2"; // "Go to Left"
inline constexpr std::string_view BitBtn3 = "BitBtn3"; // "Go to Right"
inline constexpr std::string_view BitBtn4 = "BitBtn4"; // "Go to Down"
// Up, left, right, down.
inline constexpr std::array<std::string_view, 4> kArrowButtons = {BitBtn1, BitBtn2, BitBtn3,
                                                                  BitBtn4};

// The monster list of the Orb of Hero: its panel, a picture and three fields a row, its "OK".
inline constexpr std::string_view Panel1 = "Panel1";
inline constexpr std::string_view Image24 = "Image24";
inline constexpr std::string_view Image25 = "Image25";
inline constexpr std::string_view Image26 = "Image26";
inline constexpr std::string_view Image27 = "Image27";
inline constexpr std::string_view Image28 = "Image28";
inline constexpr std::string_view Image29 = "Image29";
inline constexpr std::string_view Image30 = "Image30";
inline constexpr std::string_view Edit13 = "Edit13";
inline constexpr std::string_view Edit14 = "Edit14";
inline constexpr std::string_view Edit15 = "Edit15";
inline constexpr std::string_view Edit16 = "Edit16";
inline constexpr std::string_view Edit17 = "Edit17";
inline constexpr std::string_view Edit18 = "Edit18";
inline constexpr std::string_view Edit19 = "Edit19";
inline constexpr std::string_view Edit20 = "Edit20";
inline constexpr std::string_view Edit21 = "Edit21";
inline constexpr std::string_view Edit22 = "Edit22";
inline constexpr std::string_view Edit23 = "Edit23";
inline constexpr std::string_view Edit24 = "Edit24";
inline constexpr std::string_view Edit25 = "Edit25";
inline constexpr std::string_view Edit26 = "Edit26";
inline constexpr std::string_view Edit27 = "Edit27";
inline constexpr std::string_view Edit28 = "Edit28";
inline constexpr std::string_view Edit29 = "Edit29";
inline constexpr std::string_view Edit30 = "Edit30";
inline constexpr std::string_view Edit31 = "Edit31";
inline constexpr std::string_view Edit32 = "Edit32";
inline constexpr std::string_view Edit33 = "Edit33";
inline constexpr std::string_view Button36 = "Button36"; // the list's "OK"
// The monster picture of each row.
inline constexpr std::array<std::string_view, 7> kListPictures = {
    Image24, Image25, Image26, Image27, Image28, Image29, Image30};
// The name of each row's monster.
inline constexpr std::array<std::string_view, 7> kListNames = {Edit13, Edit15, Edit17, Edit19,
                                                               Edit21, Edit23, Edit25};
// Its life, offense and defense.
inline constexpr std::array<std::string_view, 7> kListStrengths = {Edit14, Edit16, Edit18, Edit20,
                                                                   Edit22, Edit24, Edit26};
// What fighting it would cost.
inline constexpr std::array<std::string_view, 7> kListForecasts = {Edit27, Edit28, Edit29, Edit30,
                                                                   Edit31, Edit32, Edit33};

// The dialogue box and its buttons.
inline constexpr std::string_view RichEdit1 = "RichEdit1"; // the dialogue box
inline constexpr std::string_view Button1 = "Button1";     // "OK"
inline constexpr std::string_view Button2 = "Button2";     // "Yes"
inline constexpr std::string_view Button7 = "Button7";     // "No"

// The floor chooser of the Orb of Flying.
inline constexpr std::string_view Button8 = "Button8";   // "UP"
inline constexpr std::string_view Button9 = "Button9";   // "DOWN"
inline constexpr std::string_view Button10 = "Button10"; // "OK"

// The advice record of the Orb of Wisdom: one button per piece of advice, and its "OK".
inline constexpr std::string_view Button11 = "Button11";
inline constexpr std::string_view Button12 = "Button12";
inline constexpr std::string_view Button13 = "Button13";
inline constexpr std::string_view Button14 = "Button14";
inline constexpr std::string_view Button15 = "Button15";
inline constexpr std::string_view Button16 = "Button16";
inline constexpr std::string_view Button17 = "Button17";
inline constexpr std::string_view Button18 = "Button18";
inline constexpr std::string_view Button19 = "Button19";
inline constexpr std::string_view Button20 = "Button20";
inline constexpr std::string_view Button21 = "Button21";
inline constexpr std::string_view Button22 = "Button22";
inline constexpr std::string_view Button23 = "Button23";
inline constexpr std::string_view Button24 = "Button24";
inline constexpr std::string_view Button25 = "Button25";
inline constexpr std::string_view Button26 = "Button26";
inline constexpr std::string_view Button27 = "Button27";
inline constexpr std::string_view Button28 = "Button28";
inline constexpr std::string_view Button29 = "Button29";
inline constexpr std::string_view Button30 = "Button30";
inline constexpr std::string_view Button31 = "Button31";
inline constexpr std::string_view Button32 = "Button32";
inline constexpr std::string_view Button33 = "Button33";
inline constexpr std::string_view Button34 = "Button34";
inline constexpr std::string_view Button35 = "Button35"; // the record's "OK"
// Advice 1..24.
inline constexpr std::array<std::string_view, 24> kRecordButtons = {
    Button11, Button12, Button13, Button14, Button15, Button16, Button17, Button18,
    Button19, Button20, Button21, Button22, Button23, Button24, Button25, Button26,
    Button27, Button28, Button29, Button30, Button31, Button32, Button33, Button34};

// The pair under an item icon that waits for the player.
inline constexpr std::string_view Button37 = "Button37"; // "Don't use"
inline constexpr std::string_view Button38 = "Button38"; // "Use"

// The four choices of merchants and the altar.
inline constexpr std::string_view Button39 = "Button39";
inline constexpr std::string_view Button40 = "Button40";
inline constexpr std::string_view Button41 = "Button41";
inline constexpr std::string_view Button42 = "Button42";
// From the top.
inline constexpr std::array<std::string_view, 4> kChoiceButtons = {Button39, Button40, Button41,
                                                                   Button42};

// The message line, and the hidden stores of the settings lines and the catalogue.
inline constexpr std::string_view Edit8 = "Edit8";       // the message line
inline constexpr std::string_view Memo12 = "Memo12";     // the settings lines
inline constexpr std::string_view ListBox2 = "ListBox2"; // the catalogue lines
// Every memo of the main window, Memo1 first.
inline constexpr std::array<std::string_view, 12> kMemos = {
    Memo1, Memo2, Memo3, Memo4, Memo5, Memo6, Memo7, Memo8, Memo9, Memo10, Memo11, Memo12};

// The About box. Its timer and its clickable controls are named with the window in front,
// as the entry points take them.
namespace about {
inline constexpr std::string_view Panel1 = "Panel1";
inline constexpr std::string_view ProductName = "ProductName";
inline constexpr std::string_view ProgramIcon = "ProgramIcon"; // the villain, first pose
inline constexpr std::string_view Image2 = "Image2";           // the villain, second pose
inline constexpr std::string_view Image1 = "Image1";           // the thief
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view Version = "Version";
inline constexpr std::string_view OKButton = "OKButton";
inline constexpr std::string_view Timer1 = "About.Timer1";
inline constexpr std::string_view ClickOKButton = "About.OKButton";
inline constexpr std::string_view ClickProgramIcon = "About.ProgramIcon";
inline constexpr std::string_view ClickImage2 = "About.Image2";
inline constexpr std::string_view ClickImage1 = "About.Image1";
} // namespace about

// The Ranking window: a button per list, "Exit", the title, the column heads and the table.
namespace ranking {
inline constexpr std::string_view Button1 = "Button1";
inline constexpr std::string_view Button2 = "Button2";
inline constexpr std::string_view Button3 = "Button3";
inline constexpr std::string_view Button4 = "Button4";
inline constexpr std::string_view Button5 = "Button5";
inline constexpr std::string_view Button6 = "Button6"; // "Exit"
// "10 F" .. "49 F".
inline constexpr std::array<std::string_view, 5> kListButtons = {Button1, Button2, Button3, Button4,
                                                                 Button5};
inline constexpr std::string_view Label1 = "Label1"; // the title line
// Label2..Label7 head the columns; Edit1..Edit60 are the table, row r and column c in
// Edit(6r + c + 1).
inline constexpr std::string_view LabelStem = "Label";
inline constexpr std::string_view CellStem = "Edit";
inline constexpr std::string_view ClickButton1 = "Ranking.Button1";
inline constexpr std::string_view ClickButton2 = "Ranking.Button2";
inline constexpr std::string_view ClickButton3 = "Ranking.Button3";
inline constexpr std::string_view ClickButton4 = "Ranking.Button4";
inline constexpr std::string_view ClickButton5 = "Ranking.Button5";
inline constexpr std::string_view ClickButton6 = "Ranking.Button6";
} // namespace ranking

// The Ending window: three full pictures, and a panel with the picture that acts as a button.
namespace ending {
inline constexpr std::string_view Image1 = "Image1";
inline constexpr std::string_view Image2 = "Image2";
inline constexpr std::string_view Image3 = "Image3";
inline constexpr std::string_view Panel1 = "Panel1";
inline constexpr std::string_view Image4 = "Image4";
inline constexpr std::string_view Timer1 = "Ending.Timer1";
inline constexpr std::string_view ClickImage4 = "Ending.Image4";
} // namespace ending

// The Change Data Folder window.
namespace datafolder {
inline constexpr std::string_view Label1 = "Label1";                       // the title
inline constexpr std::string_view Label2 = "Label2";                       // "Situation"
inline constexpr std::string_view Edit1 = "Edit1";                         // the chosen folder
inline constexpr std::string_view DriveComboBox1 = "DriveComboBox1";       // the places
inline constexpr std::string_view DirectoryListBox1 = "DirectoryListBox1"; // the folder tree
inline constexpr std::string_view FileListBox1 = "FileListBox1";           // the files
inline constexpr std::string_view Button3 = "Button3";                     // "Make Directory"
inline constexpr std::string_view Button1 = "Button1";                     // "OK"
inline constexpr std::string_view Button2 = "Button2";                     // "Cancel"
inline constexpr std::string_view ClickButton1 = "DataFolder.Button1";
inline constexpr std::string_view ClickButton2 = "DataFolder.Button2";
inline constexpr std::string_view ClickButton3 = "DataFolder.Button3";
inline constexpr std::string_view ChooseDriveComboBox1 = "DataFolder.DriveComboBox1";
inline constexpr std::string_view ChooseDirectoryListBox1 = "DataFolder.DirectoryListBox1";
} // namespace datafolder

} // namespace names

// The menu entries, by their path of captions from the menu bar down.
namespace Menu {
inline constexpr std::string_view Game = "&Game";
inline constexpr std::string_view GameStart = "&Game/Game &Start";
inline constexpr std::string_view GameQuit = "&Game/Game &Quit";
inline constexpr std::string_view Ranking = "&Game/&Ranking";
inline constexpr std::string_view Load = "&Game/&Load";
inline constexpr std::string_view Save = "&Game/&Save";
inline constexpr std::string_view Exit = "&Game/E&xit";
// The eight slots of "&Load" and of "&Save".
inline constexpr std::array<std::string_view, 8> kLoadSlots = {
    "&Game/&Load/Data &1", "&Game/&Load/Data &2", "&Game/&Load/Data &3", "&Game/&Load/Data &4",
    "&Game/&Load/Data &5", "&Game/&Load/Data &6", "&Game/&Load/Data &7", "&Game/&Load/Data &8"};
inline constexpr std::array<std::string_view, 8> kSaveSlots = {
    "&Game/&Save/Data &1", "&Game/&Save/Data &2", "&Game/&Save/Data &3", "&Game/&Save/Data &4",
    "&Game/&Save/Data &5", "&Game/&Save/Data &6", "&Game/&Save/Data &7", "&Game/&Save/Data &8"};
inline constexpr std::string_view Options = "&Options";
inline constexpr std::string_view MouseControl = "&Options/&Mouse Control";
inline constexpr std::string_view KeyboardControl = "&Options/&Keyboard Control";
inline constexpr std::string_view Speed = "&Options/&Speed";
inline constexpr std::string_view SpeedHigh = "&Options/&Speed/&High";
inline constexpr std::string_view SpeedMiddle = "&Options/&Speed/&Middle";
inline constexpr std::string_view SpeedLow = "&Options/&Speed/&Low";
inline constexpr std::string_view Prologue = "&Options/&Prologue";
inline constexpr std::string_view WavSound = "&Options/&Wav Sound On";
inline constexpr std::string_view Music = "&Options/&BGM On";
inline constexpr std::string_view Font = "&Options/&Font";
inline constexpr std::string_view FontBig = "&Options/&Font/&Big";
inline constexpr std::string_view FontNormal = "&Options/&Font/&Normal";
inline constexpr std::string_view FontSmall = "&Options/&Font/&Small";
inline constexpr std::string_view FontTiny = "&Options/&Font/&Tiny";
// Big, Normal, Small, Tiny.
inline constexpr std::array<std::string_view, 4> kFontEntries = {FontBig, FontNormal, FontSmall,
                                                                 FontTiny};
inline constexpr std::string_view ChangeDataSpot = "&Options/&Change Data Spot";
inline constexpr std::string_view SaveOption = "&Options/Save &Option";
inline constexpr std::string_view InitializeOption = "&Options/&Initialize Option";
// Our own menu, beside the game's three.
inline constexpr std::string_view Extras = "E&xtras";
inline constexpr std::string_view DamageOnMap = "E&xtras/&Damage on Map";
inline constexpr std::string_view ClickToWalk = "E&xtras/&Click to Walk";
inline constexpr std::string_view Record = "E&xtras/&Record...";
inline constexpr std::string_view Hint = "E&xtras/&Hint";
inline constexpr std::string_view AllowUndo = "E&xtras/Allow &Undo";
inline constexpr std::string_view Undo = "E&xtras/U&ndo";
inline constexpr std::string_view Redo = "E&xtras/R&edo";
inline constexpr std::string_view Help = "&Help";
inline constexpr std::string_view HelpLibrary = "&Help/Help Library";
inline constexpr std::string_view AboutGravenhold = "&Help/&About Gravenhold";
} // namespace Menu

} // namespace window
