<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../../app/dialogs/AboutDialog.cpp" line="18" />
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>BasicMath2Dialog</name>
    <message>
        <location filename="../../blocks/dialogs/BasicMath2Dialog.cpp" line="8" />
        <source>Input channels:</source>
        <extracomment>Anzahl Eingänge:</extracomment>
        <translation>Eingangskanäle:</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <location filename="../../vision/widgets/CameraDialog.cpp" line="36" />
        <source>Colorspace</source>
        <extracomment>Farbraum</extracomment>
        <translation>Farbraum</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/CameraDialog.cpp" line="42" />
        <source>Size</source>
        <extracomment>Größe</extracomment>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>ChannelParams</name>
    <message>
        <location filename="../../blocks/dialogs/ChannelParams.cpp" line="27" />
        <source>Channel %1</source>
        <extracomment>Kanal %1</extracomment>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/ChannelParams.cpp" line="113" />
        <source>Off</source>
        <extracomment>Aus</extracomment>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>ChannelParamsBase</name>
    <message>
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="28" />
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="32" />
        <source>V-Position:</source>
        <translation>V-Position:</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="33" />
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="41" />
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="51" />
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="34" />
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="42" />
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="52" />
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="43" />
        <source>textLabel1</source>
        <translation>textLabel1</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/ChannelParamsBase.cpp" line="50" />
        <source>pushButton5</source>
        <translation>pushButton5</translation>
    </message>
</context>
<context>
    <name>ClosePushButton</name>
    <message>
        <location filename="../../app/tabs/ClosePushButton.cpp" line="10" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ConstView</name>
    <message>
        <location filename="../../programs/editor/ConstView.cpp" line="25" />
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../programs/editor/ConstView.cpp" line="25" />
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>CounterDialog</name>
    <message>
        <location filename="../../blocks/dialogs/CounterDialog.cpp" line="19" />
        <source>Count on rising edge</source>
        <extracomment>Auf steigender Flanke zählen</extracomment>
        <translation>Auf steigender Flanke zählen</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/CounterDialog.cpp" line="21" />
        <source>Count on falling edge</source>
        <extracomment>Auf fallender Flanke zählen</extracomment>
        <translation>Auf fallender Flanke zählen</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/CounterDialog.cpp" line="24" />
        <source>Reset on start</source>
        <extracomment>Bei Start auf Null setzen</extracomment>
        <translation>Bei Start auf Null setzen</translation>
    </message>
</context>
<context>
    <name>DataSlot</name>
    <message>
        <location filename="../../programs/model/DataSlot.cpp" line="16" />
        <source>Only one net per input.</source>
        <translation>Nur ein Netz je Eingang.</translation>
    </message>
    <message>
        <location filename="../../programs/model/DataSlot.cpp" line="23" />
        <source>Only outputs.</source>
        <translation>Nur Ausgänge.</translation>
    </message>
    <message>
        <location filename="../../programs/model/DataSlot.cpp" line="25" />
        <source>Only one output per net.</source>
        <translation>Nur ein Ausgang je Netz.</translation>
    </message>
    <message>
        <location filename="../../programs/model/DataSlot.cpp" line="28" />
        <source>Only inputs.</source>
        <translation>Nur Eingänge.</translation>
    </message>
    <message>
        <location filename="../../programs/model/DataSlot.cpp" line="29" />
        <source>Slot and net can be connected.</source>
        <translation>Anschluss und Netz können verbunden werden.</translation>
    </message>
</context>
<context>
    <name>Datatip</name>
    <message>
        <location filename="../../programs/canvas/Datatip.cpp" line="78" />
        <source>IMG</source>
        <translation>BILD</translation>
    </message>
</context>
<context>
    <name>DemoWidget</name>
    <message>
        <location filename="../../app/widgets/DemoWidget.cpp" line="21" />
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <location filename="../../app/widgets/DemoWidget.cpp" line="22" />
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <location filename="../../app/widgets/DemoWidget.cpp" line="23" />
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="24" />
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="24" />
        <source>Ctrl+Z</source>
        <comment>Edit|Undo</comment>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="25" />
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="25" />
        <source>Shift+Ctrl+Z</source>
        <comment>Edit|Redo</comment>
        <translation>Shift+Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="29" />
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="29" />
        <source>Ctrl+X</source>
        <comment>Edit|Cut</comment>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="31" />
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="31" />
        <source>Ctrl+C</source>
        <comment>Edit|Copy</comment>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="32" />
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="32" />
        <source>Ctrl+V</source>
        <comment>Edit|Paste</comment>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="34" />
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="34" />
        <source>Del</source>
        <comment>Edit|Delete</comment>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="37" />
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <location filename="../../app/menus/EditMenu.cpp" line="38" />
        <source>Clear selection</source>
        <translation>Auswahl aufheben</translation>
    </message>
</context>
<context>
    <name>ExtrasMenu</name>
    <message>
        <location filename="../../app/menus/ExtrasMenu.cpp" line="22" />
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../app/menus/ExtrasMenu.cpp" line="23" />
        <source>Shutdown Kelmaris</source>
        <translation>Kelmaris herunterfahren</translation>
    </message>
    <message>
        <location filename="../../app/menus/ExtrasMenu.cpp" line="25" />
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <location filename="../../app/menus/ExtrasMenu.cpp" line="50" />
        <source>Do you realy want to shutdown Kelmaris?</source>
        <translation>Wollen Sie Kelmaris wirklich herunterfahren?</translation>
    </message>
    <message>
        <location filename="../../app/menus/ExtrasMenu.cpp" line="66" />
        <source>Restart the application to let the new settings take effect.</source>
        <translation>Starten Sie das Programm neu, damit die neuen Einstellungen wirksam werden.</translation>
    </message>
    <message>
        <location filename="../../app/menus/ExtrasMenu.cpp" line="70" />
        <source>Translationfile %1 not found.</source>
        <comment>%1:filename</comment>
        <translation>Übersetzungsdatei %1 nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="12" />
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="13" />
        <source>Function block program</source>
        <translation>Funktionsblockprogramm</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="15" />
        <source>Flow control program</source>
        <translation>Ablaufsteuerung</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="17" />
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="17" />
        <source>Ctrl+O</source>
        <comment>File|Open</comment>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="19" />
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="20" />
        <source>Ctrl+S</source>
        <comment>File|Save</comment>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="21" />
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="21" />
        <source>Shift+Ctrl+S</source>
        <comment>File|Save As</comment>
        <translation>Shift+Ctrl+S</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="23" />
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="25" />
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="27" />
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="29" />
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../app/menus/FileMenu.cpp" line="29" />
        <source>Ctrl+Q</source>
        <comment>File|Exit</comment>
        <translation>Ctrl+Q</translation>
    </message>
</context>
<context>
    <name>FrequencyDisplay</name>
    <message>
        <location filename="../../robot/widgets/FrequencyDisplay.cpp" line="24" />
        <source>Size of transmitted JPEG-image.</source>
        <translation>Größe des übertragenen JPEG-Bildes.</translation>
    </message>
    <message>
        <location filename="../../robot/widgets/FrequencyDisplay.cpp" line="26" />
        <source>Program processing frequency in Hertz.</source>
        <translation>Frequenz der Programmausführung in Hertz.</translation>
    </message>
    <message>
        <location filename="../../robot/widgets/FrequencyDisplay.cpp" line="28" />
        <source>Image processing frequency in Hertz.</source>
        <translation>Frequenz der Bildverarbeitung in Hertz.</translation>
    </message>
    <message>
        <location filename="../../robot/widgets/FrequencyDisplay.cpp" line="30" />
        <source>Serial line update frequency in Hertz.</source>
        <translation>Aktualisierungsfrequenz der seriellen Leitung in Hertz.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../../app/menus/HelpMenu.cpp" line="13" />
        <source>Dynamic Help</source>
        <translation>Dynamische Hilfe</translation>
    </message>
    <message>
        <location filename="../../app/menus/HelpMenu.cpp" line="13" />
        <source>F1</source>
        <comment>Help|Dynamic Help</comment>
        <translation>F1</translation>
    </message>
    <message>
        <location filename="../../app/menus/HelpMenu.cpp" line="17" />
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location filename="../../app/menus/HelpMenu.cpp" line="19" />
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location filename="../../app/menus/HelpMenu.cpp" line="21" />
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="22" />
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="23" />
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="24" />
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="25" />
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="35" />
        <source>input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="36" />
        <source>output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="57" />
        <source>Library page</source>
        <translation>Bibliotheksseite</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="59" />
        <source>Block</source>
        <translation>Baustein</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="61" />
        <source>Variants</source>
        <translation>Varianten</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="73" />
        <source>Connections</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="74" />
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="75" />
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="76" />
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="79" />
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location filename="../../tools/helpgen/HelpPages.cpp" line="108" />
        <source>Function block library</source>
        <translation>Funktionsblockbibliothek</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../../app/help/HelpWindow.cpp" line="13" />
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../../app/help/HelpWindow.cpp" line="51" />
        <source>&lt;p&gt;The help pages are not installed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseiten sind nicht installiert.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>IpAddressInput</name>
    <message>
        <location filename="../../robot/widgets/IpAddressInput.cpp" line="15" />
        <source>IP address:</source>
        <extracomment>IP Adresse:</extracomment>
        <translation>IP Adresse:</translation>
    </message>
</context>
<context>
    <name>JoystickDialog</name>
    <message>
        <location filename="../../robot/dialogs/JoystickPage.cpp" line="70" />
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <location filename="../../robot/dialogs/JoystickPage.cpp" line="71" />
        <source>Button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <location filename="../../robot/dialogs/JoystickPage.cpp" line="72" />
        <source>Slider</source>
        <translation>Schieberegler</translation>
    </message>
</context>
<context>
    <name>JoystickOptions</name>
    <message>
        <location filename="../../app/options/JoystickOptions.cpp" line="12" />
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../../app/options/JoystickOptions.h" line="19" />
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <location filename="../../app/library/Library.cpp" line="13" />
        <source>Function block library</source>
        <translation>Funktionsblockbibliothek</translation>
    </message>
    <message>
        <location filename="../../app/library/Library.cpp" line="28" />
        <location filename="../../app/library/LibraryPages.cpp" line="76" />
        <source>Sequence control</source>
        <translation>Ablaufsteuerung</translation>
    </message>
    <message>
        <location filename="../../app/library/Library.cpp" line="31" />
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="56" />
        <source>Logic</source>
        <translation>Logik</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="59" />
        <source>Mathematics</source>
        <translation>Mathematik</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="61" />
        <source>Vector analysis</source>
        <translation>Vektorrechnung</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="64" />
        <source>Display</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="65" />
        <source>Image processing</source>
        <translation>Bildverarbeitung</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="67" />
        <source>Generators</source>
        <translation>Generatoren</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="68" />
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="69" />
        <source>Kelmaris Hardware</source>
        <translation>Kelmaris Hardware</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="73" />
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="74" />
        <source>Input devices</source>
        <translation>Eingabegeräte</translation>
    </message>
    <message>
        <location filename="../../app/library/LibraryPages.cpp" line="75" />
        <source>Data exchange</source>
        <translation>Datenaustausch</translation>
    </message>
</context>
<context>
    <name>LineDetectorDialog</name>
    <message>
        <location filename="../../vision/widgets/LineDetectorDialog.cpp" line="63" />
        <source>rising</source>
        <extracomment>steigende / fallende Flanke</extracomment>
        <translation>steigend</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/LineDetectorDialog.cpp" line="63" />
        <source>falling</source>
        <translation>fallend</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="68" />
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="69" />
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="70" />
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="71" />
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="72" />
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="73" />
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="127" />
        <source>Connection refused.</source>
        <translation>Verbindung abgelehnt.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="128" />
        <source>Writing to socket failed.</source>
        <translation>Schreiben auf den Socket fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="129" />
        <source>Reading from socket failed.</source>
        <translation>Lesen vom Socket fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="130" />
        <source>Creating image server socket failed.</source>
        <translation>Anlegen des Bildserver-Sockets fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="132" />
        <source>Binding image server to port %1 failed.</source>
        <comment>%1:portnumber</comment>
        <translation>Binden des Bildservers an Port %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="135" />
        <source>Kelmaris has not been sending anything for more than %1 milliseconds.</source>
        <translation>Kelmaris hat seit mehr als %1 Millisekunden nichts gesendet.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="138" />
        <source>Kelmaris is already in use.</source>
        <translation>Kelmaris wird bereits benutzt.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="139" />
        <source>DNS lookup of %1 failed.</source>
        <translation>DNS-Auflösung von %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../robot/ComCenter.cpp" line="140" />
        <source>Winsock2 initialisation failes.</source>
        <translation>Initialisierung des Netzwerks fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="227" />
        <location filename="../../robot/ComCenter.cpp" line="141" />
        <source>Communication error.</source>
        <translation>Kommunikationsfehler.</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="205" />
        <source>Connected to %1.</source>
        <translation>Verbunden mit %1.</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="215" />
        <source>Connection to %1 closed.</source>
        <translation>Verbindung zu %1 geschlossen.</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindowDocuments.cpp" line="144" />
        <source>Can not write to %1.</source>
        <translation>Kann nicht nach %1 schreiben.</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindowDocuments.cpp" line="160" />
        <source>file %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindowDocuments.cpp" line="161" />
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindowDocuments.cpp" line="172" />
        <source>The file %1 already exists.

Do you want to replace the existing file?</source>
        <translation>Die Datei %1 existiert bereits.

Wollen Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindowDocuments.cpp" line="178" />
        <source>File is currently in use and cannot be overwritten.</source>
        <translation>Die Datei wird gerade benutzt und kann nicht überschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindowDocuments.cpp" line="182" />
        <source>Can not write to %1.

Do you want to choose a different filename?</source>
        <translation>Kann nicht nach %1 schreiben.

Wollen Sie einen anderen Dateinamen wählen?</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindowDocuments.cpp" line="284" />
        <source>Close all states inherited by %1?</source>
        <translation>Alle von %1 benutzten Programme schließen?</translation>
    </message>
</context>
<context>
    <name>MotorDialog</name>
    <message>
        <location filename="../../robot/dialogs/MotorPage.cpp" line="33" />
        <source>kp=</source>
        <translation>kp=</translation>
    </message>
    <message>
        <location filename="../../robot/dialogs/MotorPage.cpp" line="33" />
        <source>ki=</source>
        <translation>ki=</translation>
    </message>
    <message>
        <location filename="../../robot/dialogs/MotorPage.cpp" line="34" />
        <source>kd=</source>
        <translation>kd=</translation>
    </message>
</context>
<context>
    <name>NStarDialog</name>
    <message>
        <location filename="../../robot/dialogs/NStarPage.cpp" line="35" />
        <source>Current room:</source>
        <translation>Aktueller Raum:</translation>
    </message>
    <message>
        <location filename="../../robot/dialogs/NStarPage.cpp" line="36" />
        <source>Timestamp:</source>
        <translation>Zeitstempel:</translation>
    </message>
    <message>
        <location filename="../../robot/dialogs/NStarPage.cpp" line="37" />
        <source>No. spots:</source>
        <translation>Anzahl Spots:</translation>
    </message>
</context>
<context>
    <name>NetDock</name>
    <message>
        <location filename="../../programs/model/NetDock.cpp" line="25" />
        <source>Connection denied: </source>
        <translation>Verbindung abgelehnt: </translation>
    </message>
</context>
<context>
    <name>NetLine</name>
    <message>
        <location filename="../../programs/model/NetLine.cpp" line="113" />
        <source>Loop.</source>
        <translation>Schleife.</translation>
    </message>
    <message>
        <location filename="../../programs/model/NetLine.cpp" line="116" />
        <location filename="../../programs/model/NetLine.cpp" line="120" />
        <source>Double connection.</source>
        <translation>Doppelte Verbindung.</translation>
    </message>
    <message>
        <location filename="../../programs/model/NetLine.cpp" line="123" />
        <source>Only one output per net.</source>
        <translation>Nur ein Ausgang je Netz.</translation>
    </message>
    <message>
        <location filename="../../programs/model/NetLine.cpp" line="124" />
        <source>Nets can be connected.</source>
        <translation>Netze können verbunden werden.</translation>
    </message>
</context>
<context>
    <name>NetPoint</name>
    <message>
        <location filename="../../programs/model/NetPoint.cpp" line="45" />
        <source>Loop.</source>
        <translation>Schleife.</translation>
    </message>
    <message>
        <location filename="../../programs/model/NetPoint.cpp" line="47" />
        <source>Incompatible datatypes.</source>
        <translation>Unverträgliche Datentypen.</translation>
    </message>
    <message>
        <location filename="../../programs/model/NetPoint.cpp" line="49" />
        <source>Only one output per net.</source>
        <translation>Nur ein Ausgang je Netz.</translation>
    </message>
    <message>
        <location filename="../../programs/model/NetPoint.cpp" line="53" />
        <location filename="../../programs/model/NetPoint.cpp" line="57" />
        <source>The new net connects to slots already connected to this netpoint.</source>
        <translation>Das neue Netz verbindet Anschlüsse, die schon an diesem Netzpunkt hängen.</translation>
    </message>
    <message>
        <location filename="../../programs/model/NetPoint.cpp" line="60" />
        <source>Netpoint and net can be connected.</source>
        <translation>Netzpunkt und Netz können verbunden werden.</translation>
    </message>
</context>
<context>
    <name>NetworkingOptions</name>
    <message>
        <location filename="../../app/options/NetworkingOptions.cpp" line="15" />
        <source>Image server port</source>
        <translation>Port des Bildservers</translation>
    </message>
    <message>
        <location filename="../../app/options/NetworkingOptions.h" line="18" />
        <source>Networking</source>
        <translation>Netzwerk</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../../app/options/Options.cpp" line="25" />
        <location filename="../../app/options/Options.cpp" line="34" />
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="50" />
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="50" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="50" />
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="58" />
        <source>Joysticks</source>
        <translation>Joysticks</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="59" />
        <source>Workspace</source>
        <translation>Arbeitsfläche</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="60" />
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="61" />
        <source>Stepmode</source>
        <translation>Schrittmodus</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="62" />
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <location filename="../../app/options/Options.cpp" line="63" />
        <source>Networking</source>
        <translation>Netzwerk</translation>
    </message>
</context>
<context>
    <name>OptionsContent</name>
    <message>
        <location filename="../../app/options/OptionsContent.cpp" line="14" />
        <source>Select an option from the left.</source>
        <translation>Wählen Sie links eine Option.</translation>
    </message>
</context>
<context>
    <name>PropertiesDialog</name>
    <message>
        <location filename="../../app/dialogs/PropertiesDialog.cpp" line="15" />
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/PropertiesDialog.cpp" line="16" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/core/Settings.cpp" line="212" />
        <source>Error saving settings</source>
        <translation>Fehler beim Speichern der Einstellungen</translation>
    </message>
    <message>
        <location filename="../../app/core/Settings.cpp" line="213" />
        <source>Could not write application settings to %1.</source>
        <translation>Die Programmeinstellungen konnten nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/SaveItemsDialog.cpp" line="42" />
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/SaveItemsDialog.cpp" line="46" />
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/VectorConstDialog.cpp" line="58" />
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/VectorConstDialog.cpp" line="59" />
        <location filename="../../app/dialogs/SaveItemsDialog.cpp" line="50" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../app/window/MainWindow.cpp" line="200" />
        <location filename="../../robot/widgets/WifiStatus.cpp" line="75" />
        <source>Connecting to %1.</source>
        <extracomment>1:hostname</extracomment>
        <translation>Verbinde mit %1.</translation>
    </message>
    <message>
        <location filename="../../blocks/Abs.cpp" line="20" />
        <location filename="../../blocks/Abs.cpp" line="23" />
        <source>Abs</source>
        <translation>Abs</translation>
    </message>
    <message>
        <location filename="../../blocks/Abs.cpp" line="24" />
        <location filename="../../blocks/Exit.cpp" line="24" />
        <location filename="../../robot/NStar.cpp" line="41" />
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location filename="../../blocks/Abs.cpp" line="25" />
        <location filename="../../robot/NStar.cpp" line="42" />
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath.cpp" line="19" />
        <location filename="../../blocks/BasicMath2.cpp" line="20" />
        <source>Math</source>
        <translation>Mathematik</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath.cpp" line="22" />
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath.cpp" line="23" />
        <source>Modulo</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath.cpp" line="24" />
        <location filename="../../blocks/BasicMath.cpp" line="25" />
        <location filename="../../blocks/BasicMath2.cpp" line="28" />
        <location filename="../../blocks/BasicMath2.cpp" line="29" />
        <location filename="../../blocks/Compare.cpp" line="27" />
        <location filename="../../blocks/Compare.cpp" line="28" />
        <location filename="../../blocks/Scope.cpp" line="57" />
        <location filename="../../blocks/Smooth.cpp" line="25" />
        <location filename="../../blocks/TransferFunction.cpp" line="24" />
        <location filename="../../blocks/ValueDemultiplexer.cpp" line="25" />
        <location filename="../../blocks/ValueDemultiplexer.cpp" line="26" />
        <location filename="../../blocks/ValueMultiplexer.cpp" line="24" />
        <location filename="../../blocks/VectorMath.cpp" line="25" />
        <location filename="../../blocks/VectorMath.cpp" line="26" />
        <location filename="../../blocks/VectorScalarVector.cpp" line="24" />
        <location filename="../../blocks/VectorScalarVector.cpp" line="25" />
        <location filename="../../blocks/VectorView.cpp" line="37" />
        <source>I%1</source>
        <comment>Input channel</comment>
        <translation>I%1</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath.cpp" line="26" />
        <location filename="../../blocks/BasicMath2.cpp" line="30" />
        <location filename="../../blocks/Compare.cpp" line="29" />
        <location filename="../../blocks/Smooth.cpp" line="26" />
        <location filename="../../blocks/TransferFunction.cpp" line="25" />
        <location filename="../../blocks/Value2Vector.cpp" line="30" />
        <location filename="../../blocks/ValueDemultiplexer.cpp" line="27" />
        <location filename="../../blocks/ValueMultiplexer.cpp" line="26" />
        <location filename="../../blocks/ValueMultiplexer.cpp" line="27" />
        <location filename="../../blocks/VectorConst.cpp" line="30" />
        <location filename="../../blocks/VectorMath.cpp" line="27" />
        <location filename="../../blocks/VectorScalarVector.cpp" line="26" />
        <source>O%1</source>
        <comment>Output channel</comment>
        <translation>O%1</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath2.cpp" line="23" />
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath2.cpp" line="24" />
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath2.cpp" line="25" />
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath2.cpp" line="26" />
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location filename="../../blocks/BasicMath2.cpp" line="27" />
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location filename="../../blocks/Compare.cpp" line="18" />
        <source>Compare</source>
        <comment>Vergleich</comment>
        <translation>Vergleich</translation>
    </message>
    <message>
        <location filename="../../blocks/Compare.cpp" line="21" />
        <source>Greater</source>
        <comment>Größer</comment>
        <translation>Größer</translation>
    </message>
    <message>
        <location filename="../../blocks/Compare.cpp" line="22" />
        <source>Less</source>
        <comment>Kleiner</comment>
        <translation>Kleiner</translation>
    </message>
    <message>
        <location filename="../../blocks/Compare.cpp" line="23" />
        <source>Greater equal</source>
        <comment>Größer gleich</comment>
        <translation>Größer gleich</translation>
    </message>
    <message>
        <location filename="../../blocks/Compare.cpp" line="24" />
        <source>Less equal</source>
        <comment>Kleiner gleich</comment>
        <translation>Kleiner gleich</translation>
    </message>
    <message>
        <location filename="../../blocks/Compare.cpp" line="25" />
        <source>Equal</source>
        <comment>Gleich</comment>
        <translation>Gleich</translation>
    </message>
    <message>
        <location filename="../../blocks/Compare.cpp" line="26" />
        <source>Not equal</source>
        <comment>Ungleich</comment>
        <translation>Ungleich</translation>
    </message>
    <message>
        <location filename="../../blocks/Const.cpp" line="24" />
        <location filename="../../blocks/Const.cpp" line="27" />
        <source>Constant</source>
        <comment>Konstante</comment>
        <translation>Konstante</translation>
    </message>
    <message>
        <location filename="../../blocks/Const.cpp" line="28" />
        <location filename="../../blocks/Counter.cpp" line="28" />
        <location filename="../../blocks/Siggen.cpp" line="27" />
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <location filename="../../blocks/Counter.cpp" line="21" />
        <source>Counter</source>
        <comment>Zähler</comment>
        <translation>Zähler</translation>
    </message>
    <message>
        <location filename="../../blocks/Counter.cpp" line="24" />
        <source>Counter up</source>
        <comment>Zähler Auf</comment>
        <translation>Zähler Auf</translation>
    </message>
    <message>
        <location filename="../../blocks/Counter.cpp" line="25" />
        <source>Counter down</source>
        <comment>Zähler Ab</comment>
        <translation>Zähler Ab</translation>
    </message>
    <message>
        <location filename="../../blocks/Counter.cpp" line="26" />
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <location filename="../../blocks/Counter.cpp" line="27" />
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../blocks/Exit.cpp" line="18" />
        <source>Exit</source>
        <comment>Ausgang</comment>
        <translation>Ausgang</translation>
    </message>
    <message>
        <location filename="../../blocks/Exit.cpp" line="21" />
        <location filename="../../blocks/Exit.cpp" line="22" />
        <location filename="../../blocks/Exit.cpp" line="23" />
        <source>Exit %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <location filename="../../blocks/LogicInv.cpp" line="18" />
        <location filename="../../blocks/LogicInv.cpp" line="21" />
        <source>NOT</source>
        <translation>NOT</translation>
    </message>
    <message>
        <location filename="../../blocks/LogicInv.cpp" line="22" />
        <location filename="../../blocks/VectorScalar.cpp" line="22" />
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../../blocks/LogicInv.cpp" line="23" />
        <source>not a</source>
        <translation>nicht a</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo2to1_0.cpp" line="18" />
        <source>Logo2to1_0</source>
        <translation>Logo2to1_0</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo2to1_0.cpp" line="21" />
        <source>XOR</source>
        <translation>XOR</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo2to1_0.cpp" line="22" />
        <location filename="../../blocks/Logo4to1_0.cpp" line="26" />
        <location filename="../../blocks/Logo4to1_1.cpp" line="33" />
        <location filename="../../blocks/ValueReader.cpp" line="32" />
        <location filename="../../blocks/ValueWriter.cpp" line="31" />
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo2to1_0.cpp" line="23" />
        <location filename="../../blocks/Logo4to1_0.cpp" line="27" />
        <location filename="../../blocks/Logo4to1_1.cpp" line="34" />
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo2to1_0.cpp" line="24" />
        <location filename="../../blocks/Logo3to1.cpp" line="25" />
        <location filename="../../blocks/Logo4to1_0.cpp" line="30" />
        <location filename="../../blocks/Logo4to1_1.cpp" line="37" />
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo3to1.cpp" line="18" />
        <source>Logo3to1</source>
        <translation>Logo3to1</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo3to1.cpp" line="21" />
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo3to1.cpp" line="22" />
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo3to1.cpp" line="23" />
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo3to1.cpp" line="24" />
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_0.cpp" line="21" />
        <source>Logo4to1_0</source>
        <translation>Logo4to1_0</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_0.cpp" line="24" />
        <source>OR</source>
        <translation>OR</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_0.cpp" line="25" />
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_0.cpp" line="28" />
        <location filename="../../blocks/Logo4to1_1.cpp" line="35" />
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_0.cpp" line="29" />
        <location filename="../../blocks/Logo4to1_1.cpp" line="36" />
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_1.cpp" line="26" />
        <source>Logo4to1_1</source>
        <translation>Logo4to1_1</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_1.cpp" line="29" />
        <source>AND</source>
        <translation>AND</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_1.cpp" line="30" />
        <source>AND FL</source>
        <translation>AND FL</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_1.cpp" line="31" />
        <source>NAND</source>
        <translation>NAND</translation>
    </message>
    <message>
        <location filename="../../blocks/Logo4to1_1.cpp" line="32" />
        <source>NAND FL</source>
        <translation>NAND FL</translation>
    </message>
    <message>
        <location filename="../../blocks/Scope.cpp" line="53" />
        <source>Scope</source>
        <translation>Oszilloskop</translation>
    </message>
    <message>
        <location filename="../../blocks/Scope.cpp" line="56" />
        <source>Scope</source>
        <comment>Oszilloskop</comment>
        <translation>Oszilloskop</translation>
    </message>
    <message>
        <location filename="../../blocks/Scope.cpp" line="58" />
        <source>I%2</source>
        <comment>Input channel</comment>
        <translation>I%2</translation>
    </message>
    <message>
        <location filename="../../blocks/Scope.cpp" line="59" />
        <source>I%3</source>
        <comment>Input channel</comment>
        <translation>I%3</translation>
    </message>
    <message>
        <location filename="../../blocks/Siggen.cpp" line="21" />
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <location filename="../../blocks/Siggen.cpp" line="24" />
        <source>Square puls generator</source>
        <comment>Rechteckgenerator</comment>
        <translation>Rechteckgenerator</translation>
    </message>
    <message>
        <location filename="../../blocks/Siggen.cpp" line="25" />
        <source>Triangle puls generator</source>
        <comment>Sägezahngenerator</comment>
        <translation>Sägezahngenerator</translation>
    </message>
    <message>
        <location filename="../../blocks/Siggen.cpp" line="26" />
        <source>Sine generator</source>
        <comment>Sinusgenerator</comment>
        <translation>Sinusgenerator</translation>
    </message>
    <message>
        <location filename="../../blocks/Smooth.cpp" line="21" />
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location filename="../../blocks/Smooth.cpp" line="24" />
        <source>Smooth</source>
        <comment>Glättung</comment>
        <translation>Glättung</translation>
    </message>
    <message>
        <location filename="../../blocks/Time.cpp" line="19" />
        <location filename="../../blocks/Time.cpp" line="22" />
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../../blocks/Time.cpp" line="23" />
        <source>reset</source>
        <translation>zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../blocks/Time.cpp" line="24" />
        <source>ms from reset</source>
        <translation>ms seit Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../blocks/TransferFunction.cpp" line="20" />
        <source>Transfer</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <location filename="../../blocks/TransferFunction.cpp" line="23" />
        <source>Transferfunction</source>
        <comment>Transferfunktion</comment>
        <translation>Transferfunktion</translation>
    </message>
    <message>
        <location filename="../../blocks/Value2Vector.cpp" line="18" />
        <source>Vector</source>
        <comment>Vector</comment>
        <translation>Vector</translation>
    </message>
    <message>
        <location filename="../../blocks/Value2Vector.cpp" line="21" />
        <source>cartesian to vector</source>
        <comment>kartesisch nach Vector</comment>
        <translation>kartesisch nach Vector</translation>
    </message>
    <message>
        <location filename="../../blocks/Value2Vector.cpp" line="23" />
        <source>polar to vector</source>
        <comment>polar nach Vector</comment>
        <translation>polar nach Vector</translation>
    </message>
    <message>
        <location filename="../../blocks/Value2Vector.cpp" line="25" />
        <location filename="../../blocks/Vector2Value.cpp" line="26" />
        <source>x</source>
        <comment>Vector x component</comment>
        <translation>x</translation>
    </message>
    <message>
        <location filename="../../blocks/Value2Vector.cpp" line="26" />
        <location filename="../../blocks/Vector2Value.cpp" line="27" />
        <source>Length</source>
        <comment>Länge</comment>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../../blocks/Value2Vector.cpp" line="28" />
        <location filename="../../blocks/Vector2Value.cpp" line="29" />
        <source>y</source>
        <comment>Vector y component</comment>
        <translation>y</translation>
    </message>
    <message>
        <location filename="../../blocks/Value2Vector.cpp" line="29" />
        <location filename="../../blocks/Vector2Value.cpp" line="30" />
        <source>Direction/deg</source>
        <comment>Winkel/Grad</comment>
        <translation>Winkel/Grad</translation>
    </message>
    <message>
        <location filename="../../blocks/ValueDemultiplexer.cpp" line="20" />
        <location filename="../../blocks/ValueMultiplexer.cpp" line="20" />
        <source>Logic</source>
        <translation>Logik</translation>
    </message>
    <message>
        <location filename="../../blocks/ValueDemultiplexer.cpp" line="23" />
        <source>Value-Demultiplexer</source>
        <translation>Wert-Demultiplexer</translation>
    </message>
    <message>
        <location filename="../../blocks/ValueDemultiplexer.cpp" line="24" />
        <location filename="../../blocks/ValueMultiplexer.cpp" line="25" />
        <source>Select</source>
        <comment>Input channel</comment>
        <translation>Auswahl</translation>
    </message>
    <message>
        <location filename="../../blocks/ValueMultiplexer.cpp" line="23" />
        <source>Value-Multiplexer</source>
        <translation>Wert-Multiplexer</translation>
    </message>
    <message>
        <location filename="../../blocks/ValueReader.cpp" line="28" />
        <location filename="../../blocks/ValueReader.cpp" line="31" />
        <source>ValueReader</source>
        <translation>ValueReader</translation>
    </message>
    <message>
        <location filename="../../blocks/ValueWriter.cpp" line="27" />
        <location filename="../../blocks/ValueWriter.cpp" line="30" />
        <source>ValueWriter</source>
        <translation>ValueWriter</translation>
    </message>
    <message>
        <location filename="../../blocks/Vector2Value.cpp" line="18" />
        <location filename="../../blocks/Vector2Value.cpp" line="24" />
        <location filename="../../blocks/VectorConst.cpp" line="26" />
        <location filename="../../blocks/VectorScalar.cpp" line="18" />
        <location filename="../../blocks/VectorScalarVector.cpp" line="18" />
        <source>Vector</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <location filename="../../blocks/Vector2Value.cpp" line="21" />
        <source>Vector to cartesian</source>
        <comment>Vector nach kartesisch</comment>
        <translation>Vector nach kartesisch</translation>
    </message>
    <message>
        <location filename="../../blocks/Vector2Value.cpp" line="23" />
        <source>Vector to polar</source>
        <comment>Vector nach polar</comment>
        <translation>Vector nach polar</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorConst.cpp" line="29" />
        <source>Vectorconstant</source>
        <comment>Vectorkonstante</comment>
        <translation>Vectorkonstante</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorMath.cpp" line="20" />
        <location filename="../../blocks/VectorView.cpp" line="33" />
        <source>Vector</source>
        <comment>Vektor</comment>
        <translation>Vektor</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorMath.cpp" line="23" />
        <source>Addition</source>
        <comment>Addition</comment>
        <translation>Addition</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorMath.cpp" line="24" />
        <source>Subtraction</source>
        <comment>Subtraktion</comment>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorScalar.cpp" line="21" />
        <source>Vector*Vector</source>
        <translation>Vector*Vector</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorScalar.cpp" line="23" />
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorScalar.cpp" line="24" />
        <source>a*b</source>
        <translation>a*b</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorScalarVector.cpp" line="21" />
        <source>Scalar*Vector</source>
        <comment>Skalar*Vektor</comment>
        <translation>Skalar*Vektor</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorScalarVector.cpp" line="22" />
        <source>Set length</source>
        <comment>Länge setzen</comment>
        <translation>Länge setzen</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorScalarVector.cpp" line="23" />
        <source>Rotate</source>
        <comment>Rotieren</comment>
        <translation>Rotieren</translation>
    </message>
    <message>
        <location filename="../../blocks/VectorView.cpp" line="36" />
        <source>Vector display</source>
        <comment>Vektor Anzeige</comment>
        <translation>Vektor Anzeige</translation>
    </message>
    <message>
        <location filename="../../programs/documents/WorkspaceFile.cpp" line="32" />
        <source>Could not read file!</source>
        <translation>Konnte Datei nicht lesen!</translation>
    </message>
    <message>
        <location filename="../../programs/documents/WorkspaceFile.cpp" line="44" />
        <location filename="../../programs/documents/WorkspaceFile.cpp" line="49" />
        <location filename="../../programs/documents/WorkspaceFile.cpp" line="57" />
        <location filename="../../programs/documents/WorkspaceFile.cpp" line="63" />
        <source>Could not load file!</source>
        <translation>Konnte Datei nicht laden!</translation>
    </message>
    <message>
        <location filename="../../programs/documents/WorkspaceFile.cpp" line="119" />
        <source>The file %1 could not be loaded.</source>
        <extracomment>%1:filename</extracomment>
        <translation>Die Datei %1 konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../../robot/ADC.cpp" line="24" />
        <location filename="../../robot/ADC.cpp" line="27" />
        <location filename="../../robot/ADC.cpp" line="28" />
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <location filename="../../robot/Bumper.cpp" line="22" />
        <location filename="../../robot/Bumper.cpp" line="25" />
        <location filename="../../robot/Bumper.cpp" line="26" />
        <source>Bumper</source>
        <translation>Stoßfänger</translation>
    </message>
    <message>
        <location filename="../../robot/ControlPanel.cpp" line="21" />
        <location filename="../../robot/ControlPanel.cpp" line="24" />
        <source>ControlPanel</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <location filename="../../robot/ControlPanel.cpp" line="25" />
        <source>vx</source>
        <translation>vx</translation>
    </message>
    <message>
        <location filename="../../robot/ControlPanel.cpp" line="26" />
        <source>vy</source>
        <translation>vy</translation>
    </message>
    <message>
        <location filename="../../robot/ControlPanel.cpp" line="27" />
        <source>omega</source>
        <translation>omega</translation>
    </message>
    <message>
        <location filename="../../robot/dialogs/MotorPage.cpp" line="30" />
        <source>Motor %1</source>
        <translation>Motor %1</translation>
    </message>
    <message>
        <location filename="../../robot/DigitalInput.cpp" line="24" />
        <location filename="../../robot/DigitalInput.cpp" line="27" />
        <location filename="../../robot/DigitalInput.cpp" line="28" />
        <source>DigitalInput</source>
        <translation>Digitaleingang</translation>
    </message>
    <message>
        <location filename="../../robot/DigitalOutput.cpp" line="25" />
        <location filename="../../robot/DigitalOutput.cpp" line="28" />
        <location filename="../../robot/DigitalOutput.cpp" line="29" />
        <source>DigitalOutput</source>
        <translation>Digitalausgang</translation>
    </message>
    <message>
        <location filename="../../robot/Distance.cpp" line="25" />
        <location filename="../../robot/Distance.cpp" line="28" />
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location filename="../../robot/Distance.cpp" line="29" />
        <source>Value [V]</source>
        <translation>Wert [V]</translation>
    </message>
    <message>
        <location filename="../../robot/Distance.cpp" line="30" />
        <source>Heading [deg]</source>
        <translation>Richtung [Grad]</translation>
    </message>
    <message>
        <location filename="../../robot/Joystick.cpp" line="26" />
        <location filename="../../robot/Joystick.cpp" line="29" />
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <location filename="../../robot/Joystick.cpp" line="30" />
        <source>fx</source>
        <translation>fx</translation>
    </message>
    <message>
        <location filename="../../robot/Joystick.cpp" line="31" />
        <source>fy</source>
        <translation>fy</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="34" />
        <location filename="../../robot/MapBuilder.cpp" line="37" />
        <source>Position View</source>
        <translation>Positionsanzeige</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="38" />
        <source>x actual</source>
        <translation>x ist</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="39" />
        <source>y actual</source>
        <translation>y ist</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="40" />
        <source>phi actual</source>
        <translation>phi ist</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="41" />
        <source>extern set</source>
        <translation>extern setzen</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="42" />
        <source>x set</source>
        <translation>x soll</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="43" />
        <source>y set</source>
        <translation>y soll</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="44" />
        <source>phi set</source>
        <translation>phi soll</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="45" />
        <source>extern x</source>
        <translation>extern x</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="46" />
        <source>extern y</source>
        <translation>extern y</translation>
    </message>
    <message>
        <location filename="../../robot/MapBuilder.cpp" line="47" />
        <source>extern phi</source>
        <translation>extern phi</translation>
    </message>
    <message>
        <location filename="../../robot/MasterController.cpp" line="22" />
        <location filename="../../robot/MasterController.cpp" line="25" />
        <source>Power Management</source>
        <translation>Energieverwaltung</translation>
    </message>
    <message>
        <location filename="../../robot/MasterController.cpp" line="26" />
        <source>Power consumption in A</source>
        <translation>Stromverbrauch in A</translation>
    </message>
    <message>
        <location filename="../../robot/MasterController.cpp" line="27" />
        <source>Battery in Volt</source>
        <translation>Batterie in Volt</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="35" />
        <location filename="../../robot/Motor.cpp" line="38" />
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="40" />
        <source>set velocity [rpm]</source>
        <extracomment>Sollgeschwindigkeit</extracomment>
        <translation>Sollgeschwindigkeit [U/min]</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="42" />
        <source>priority</source>
        <extracomment>Priorität</extracomment>
        <translation>Priorität</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="43" />
        <source>reset position</source>
        <translation>Position zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="44" />
        <source>Brake</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="46" />
        <source>actual velocity [rpm]</source>
        <extracomment>Istgeschwindigkeit</extracomment>
        <translation>Istgeschwindigkeit [U/min]</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="47" />
        <source>actual position</source>
        <translation>Istposition</translation>
    </message>
    <message>
        <location filename="../../robot/Motor.cpp" line="48" />
        <source>motor current</source>
        <translation>Motorstrom</translation>
    </message>
    <message>
        <location filename="../../robot/NStar.cpp" line="37" />
        <source>NorthStar</source>
        <translation>NorthStar</translation>
    </message>
    <message>
        <location filename="../../robot/NStar.cpp" line="40" />
        <source>NStar</source>
        <translation>NStar</translation>
    </message>
    <message>
        <location filename="../../robot/NStar.cpp" line="43" />
        <source>phi</source>
        <translation>phi</translation>
    </message>
    <message>
        <location filename="../../robot/NStar.cpp" line="44" />
        <source>spots</source>
        <translation>Spots</translation>
    </message>
    <message>
        <location filename="../../robot/Omnidrive.cpp" line="22" />
        <location filename="../../robot/Omnidrive.cpp" line="26" />
        <source>Omnidrive</source>
        <extracomment>Omniantrieb</extracomment>
        <translation>Omnidrive</translation>
    </message>
    <message>
        <location filename="../../robot/PathDriver.cpp" line="20" />
        <location filename="../../robot/PathDriver.cpp" line="23" />
        <source>PathDriver</source>
        <translation>Bahnfahrer</translation>
    </message>
    <message>
        <location filename="../../robot/Relay.cpp" line="24" />
        <location filename="../../robot/Relay.cpp" line="27" />
        <location filename="../../robot/Relay.cpp" line="28" />
        <source>Relay</source>
        <translation>Relais</translation>
    </message>
    <message>
        <location filename="../../robot/widgets/WifiStatus.cpp" line="88" />
        <source>Connection to %1 active.</source>
        <extracomment>Netzwerkverbindung zu %1 aktiv.</extracomment>
        <translation>Netzwerkverbindung zu %1 aktiv.</translation>
    </message>
    <message>
        <location filename="../../robot/widgets/WifiStatus.cpp" line="96" />
        <source>Not connected.</source>
        <extracomment>Keine Netzwerkverbindung etabliert.</extracomment>
        <translation>Keine Netzwerkverbindung etabliert.</translation>
    </message>
    <message>
        <location filename="../../robot/widgets/WifiStatus.cpp" line="104" />
        <source>Connected to %1 in passive mode.</source>
        <translation>Mit %1 im passiven Modus verbunden.</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/Camera.cpp" line="29" />
        <location filename="../../vision/blocks/Camera.cpp" line="32" />
        <source>Camera</source>
        <comment>Kamera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/Camera.cpp" line="33" />
        <source>O%1</source>
        <comment>Output slot</comment>
        <translation>Output slot</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/LineDetector.cpp" line="22" />
        <source>LineDetector</source>
        <comment>LinienErkenner</comment>
        <translation>LinienErkenner</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/LineDetector.cpp" line="25" />
        <source>Line detector</source>
        <comment>Linien Erkenner</comment>
        <translation>Linien Erkenner</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/LineDetector.cpp" line="26" />
        <source>image</source>
        <comment>Bild</comment>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/LineDetector.cpp" line="27" />
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/LineDetector.cpp" line="28" />
        <source>EdgeType</source>
        <translation>Kantentyp</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/LineDetector.cpp" line="29" />
        <source>LineX</source>
        <translation>Linie X</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/LineDetector.cpp" line="30" />
        <source>Line found</source>
        <translation>Linie gefunden</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="34" />
        <source>SegExtractor</source>
        <comment>SegExtrahierer</comment>
        <translation>SegExtrahierer</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="37" />
        <source>Segment extractor</source>
        <comment>Segmente extrahieren</comment>
        <translation>Segmente extrahieren</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="38" />
        <location filename="../../vision/blocks/Segmenter.cpp" line="71" />
        <source>Segmented image</source>
        <comment>Segmentiertes Bild</comment>
        <translation>Segmentiertes Bild</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="39" />
        <source>Selected segment</source>
        <translation>Gewähltes Segment</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="40" />
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="41" />
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="42" />
        <source>area</source>
        <comment>Fläche</comment>
        <translation>Fläche</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/SegExtractor.cpp" line="43" />
        <source>segment found</source>
        <comment>Segment gefunden</comment>
        <translation>Segment gefunden</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/Segmenter.cpp" line="66" />
        <location filename="../../vision/blocks/Segmenter.cpp" line="69" />
        <source>Segmenter</source>
        <comment>Segmentierer</comment>
        <translation>Segmentierer</translation>
    </message>
    <message>
        <location filename="../../vision/blocks/Segmenter.cpp" line="70" />
        <source>Image</source>
        <comment>Bild</comment>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>QSplashScreen</name>
    <message>
        <location filename="../../app/dialogs/SplashScreen.cpp" line="17" />
        <source>Version %1.%2 Build %3</source>
        <translation>Version %1.%2 Build %3</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/SplashScreen.cpp" line="47" />
        <source>Loading ...</source>
        <translation>Lade ...</translation>
    </message>
</context>
<context>
    <name>QTetrix</name>
    <message>
        <location filename="../../app/game/QTetrix.cpp" line="50" />
        <source>NEXT</source>
        <translation>NÄCHSTER</translation>
    </message>
    <message>
        <location filename="../../app/game/QTetrix.cpp" line="51" />
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <location filename="../../app/game/QTetrix.cpp" line="52" />
        <source>LEVEL</source>
        <translation>STUFE</translation>
    </message>
    <message>
        <location filename="../../app/game/QTetrix.cpp" line="53" />
        <source>LINES REMOVED</source>
        <translation>ENTFERNTE ZEILEN</translation>
    </message>
    <message>
        <location filename="../../app/game/QTetrix.cpp" line="61" />
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <location filename="../../app/game/QTetrix.cpp" line="63" />
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../app/game/QTetrix.cpp" line="64" />
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
</context>
<context>
    <name>QTetrixBoard</name>
    <message>
        <location filename="../../app/game/QTetrixBoard.cpp" line="141" />
        <source>Press "Pause"</source>
        <translation>"Pause" drücken</translation>
    </message>
</context>
<context>
    <name>ResolveCollisionsDialog</name>
    <message>
        <location filename="../../app/dialogs/ResolveCollisionsDialog.cpp" line="20" />
        <source>The execution collides with currently running items.
Do you want to stop execution of the listed items and start execution?</source>
        <translation>Die Ausführung kollidiert mit laufenden Abläufen.
Wollen Sie die aufgeführten Abläufe anhalten und die Ausführung starten?</translation>
    </message>
</context>
<context>
    <name>SaveItemsDialog</name>
    <message>
        <location filename="../../app/dialogs/SaveItemsDialog.cpp" line="21" />
        <source>Save changes to the following items?</source>
        <translation>Änderungen an den folgenden Dokumenten speichern?</translation>
    </message>
</context>
<context>
    <name>ScaleWidget</name>
    <message>
        <location filename="../../programs/dialogs/ScaleWidget.cpp" line="23" />
        <source>Slot</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/ScaleWidget.cpp" line="23" />
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/ScaleWidget.cpp" line="23" />
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/ScaleWidget.cpp" line="23" />
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/ScaleWidget.cpp" line="23" />
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/ScaleWidget.cpp" line="23" />
        <source>d</source>
        <translation>d</translation>
    </message>
</context>
<context>
    <name>ScopeDialog</name>
    <message>
        <location filename="../../blocks/dialogs/ScopeDialog.cpp" line="47" />
        <source>Ch</source>
        <extracomment>Kanal</extracomment>
        <translation>Ch</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/ScopeDialog.cpp" line="48" />
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>SecurityOptions</name>
    <message>
        <location filename="../../app/options/SecurityOptions.cpp" line="11" />
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../app/options/SecurityOptions.cpp" line="16" />
        <source>IP address history</source>
        <translation>Liste der IP-Adressen</translation>
    </message>
    <message>
        <location filename="../../app/options/SecurityOptions.cpp" line="17" />
        <source>File history</source>
        <translation>Liste der Dateien</translation>
    </message>
    <message>
        <location filename="../../app/options/SecurityOptions.h" line="18" />
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
</context>
<context>
    <name>SegExtractorDialog</name>
    <message>
        <location filename="../../vision/widgets/SegExtractorDialog.cpp" line="59" />
        <source>Show full image</source>
        <translation>Ganzes Bild anzeigen</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegExtractorDialog.cpp" line="92" />
        <source>none</source>
        <extracomment>keines</extracomment>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>SegmentViewDialog</name>
    <message>
        <location filename="../../vision/widgets/SegmentViewDialog.cpp" line="22" />
        <source>channel</source>
        <extracomment>Kanal</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmentViewDialog.cpp" line="24" />
        <source>used pixel intensities</source>
        <extracomment>korrekte Pixelwerte für Segment</extracomment>
        <translation>benutzte Pixelintensitäten</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmentViewDialog.cpp" line="50" />
        <source>undo</source>
        <translation>rückgängig</translation>
    </message>
</context>
<context>
    <name>SegmenterDialog</name>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="66" />
        <source>Freeze image</source>
        <translation>Bild einfrieren</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="67" />
        <source>Segmented image</source>
        <translation>Segmentiertes Bild</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="74" />
        <source>Edit segmentation...</source>
        <translation>Segmentierung bearbeiten...</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="104" />
        <source>Rectangle selection</source>
        <translation>Rechteckauswahl</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="106" />
        <source>Circle selection</source>
        <translation>Kreisauswahl</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="108" />
        <source>Add segment</source>
        <translation>Segment hinzufügen</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="109" />
        <source>Delete segment</source>
        <translation>Segment löschen</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="110" />
        <source>Move segment up</source>
        <translation>Segment nach oben</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="111" />
        <source>Move segment down</source>
        <translation>Segment nach unten</translation>
    </message>
    <message>
        <location filename="../../vision/widgets/SegmenterDialog.cpp" line="119" />
        <source>Add selection to segment</source>
        <translation>Auswahl zum Segment hinzufügen</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <location filename="../../programs/dialogs/SettingsWidget.cpp" line="18" />
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/SettingsWidget.cpp" line="22" />
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/SettingsWidget.cpp" line="27" />
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../../programs/dialogs/SettingsWidget.cpp" line="28" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Slot</name>
    <message>
        <location filename="../../programs/model/Slot.cpp" line="40" />
        <source>Incompatible datatypes.</source>
        <translation>Unverträgliche Datentypen.</translation>
    </message>
    <message>
        <location filename="../../programs/model/Slot.cpp" line="41" />
        <source>Slot and net can be connected.</source>
        <translation>Anschluss und Netz können verbunden werden.</translation>
    </message>
</context>
<context>
    <name>SmoothDialog</name>
    <message>
        <location filename="../../blocks/dialogs/SmoothDialog.cpp" line="19" />
        <source>Depth:</source>
        <extracomment>Tiefe:</extracomment>
        <translation>Tiefe:</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <location filename="../../programs/charts/Start.cpp" line="16" />
        <location filename="../../programs/charts/Start.cpp" line="17" />
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../programs/charts/Start.cpp" line="18" />
        <source>S</source>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>State</name>
    <message>
        <location filename="../../programs/documents/State.cpp" line="49" />
        <source>Unnamed</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>StateBlock</name>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="48" />
        <source>Error loading %1.
Empty filename found.</source>
        <extracomment>%1:statechartname</extracomment>
        <translation>Fehler beim Laden von %1.
Leerer Dateiname gefunden.</translation>
    </message>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="89" />
        <source>Error loading %1.
The file name %2 is referencing a currently opened statechart.</source>
        <extracomment>%1:statechartname %2:filename</extracomment>
        <translation>Fehler beim Laden von %1.
Der Dateiname %2 verweist auf eine geöffnete Ablaufsteuerung.</translation>
    </message>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="97" />
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="98" />
        <source>Error on loading the state %1:
%2
Cancel or choose an alternative state.</source>
        <translation>Fehler beim Laden des Programms %1:
%2
Abbrechen oder ein anderes Programm wählen.</translation>
    </message>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="102" />
        <source>Alternative state...</source>
        <translation>Anderes Programm...</translation>
    </message>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="126" />
        <source>Error parsing file.
Error: %1</source>
        <extracomment>Fehler: %1</extracomment>
        <translation>Fehler beim Lesen der Datei.
Fehler: %1</translation>
    </message>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="136" />
        <source>File does not contain a state.</source>
        <translation>Die Datei enthält kein Programm.</translation>
    </message>
    <message>
        <location filename="../../programs/charts/ProgramReference.cpp" line="143" />
        <source>Error while loading state.</source>
        <translation>Fehler beim Laden des Programms.</translation>
    </message>
    <message>
        <location filename="../../programs/charts/StateBlock.cpp" line="37" />
        <source>I%1</source>
        <translation>I%1</translation>
    </message>
    <message>
        <location filename="../../programs/charts/StateBlock.cpp" line="39" />
        <source>A</source>
        <extracomment>Program exit A</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <location filename="../../programs/charts/StateBlock.cpp" line="41" />
        <source>B</source>
        <extracomment>Program exit B</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../../programs/charts/StateBlock.cpp" line="43" />
        <source>C</source>
        <extracomment>Program exit C</extracomment>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>StateChart</name>
    <message>
        <location filename="../../programs/charts/StateChart.cpp" line="70" />
        <source>Unnamed</source>
        <extracomment>Unbenannt</extracomment>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>StateManager</name>
    <message>
        <location filename="../../programs/documents/StateManager.cpp" line="29" />
        <location filename="../../programs/documents/StateManager.cpp" line="56" />
        <source>Unnamed%1</source>
        <translation>Unbenannt%1</translation>
    </message>
</context>
<context>
    <name>StateView</name>
    <message>
        <location filename="../../programs/editor/StateView.cpp" line="571" />
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../../programs/editor/StateView.cpp" line="572" />
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../../programs/editor/StateView.cpp" line="573" />
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>StepmodeOptions</name>
    <message>
        <location filename="../../app/options/StepmodeOptions.cpp" line="15" />
        <source>use settings as default</source>
        <translation>Einstellungen als Vorgabe verwenden</translation>
    </message>
    <message>
        <location filename="../../app/options/StepmodeOptions.cpp" line="18" />
        <location filename="../../app/options/StepmodeOptions.h" line="21" />
        <source>Stepmode</source>
        <translation>Schrittmodus</translation>
    </message>
    <message>
        <location filename="../../app/options/StepmodeOptions.cpp" line="21" />
        <source>Stable</source>
        <translation>Stabil</translation>
    </message>
    <message>
        <location filename="../../app/options/StepmodeOptions.cpp" line="22" />
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <location filename="../../programs/charts/Sync.cpp" line="58" />
        <source>Sync</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <location filename="../../programs/charts/Sync.cpp" line="60" />
        <source>Synchronize And</source>
        <extracomment>Synchronisation Und</extracomment>
        <translation>Synchronisieren (Und)</translation>
    </message>
    <message>
        <location filename="../../programs/charts/Sync.cpp" line="62" />
        <source>Synchronize Or</source>
        <extracomment>Synchronisation Oder</extracomment>
        <translation>Synchronisieren (Oder)</translation>
    </message>
    <message>
        <location filename="../../programs/charts/Sync.cpp" line="63" />
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location filename="../../programs/charts/Sync.cpp" line="64" />
        <source>y</source>
        <translation>y</translation>
    </message>
</context>
<context>
    <name>TimeScaleBase</name>
    <message>
        <location filename="../../blocks/dialogs/TimeScaleBase.cpp" line="18" />
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/TimeScaleBase.cpp" line="19" />
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/TimeScaleBase.cpp" line="26" />
        <source>textLabel3</source>
        <translation>textLabel3</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/TimeScaleBase.cpp" line="30" />
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="17" />
        <source>Toolbar</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="21" />
        <source>New function block program</source>
        <translation>Neues Funktionsblockprogramm</translation>
    </message>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="22" />
        <source>New flow control program</source>
        <translation>Neue Ablaufsteuerung</translation>
    </message>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="23" />
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="24" />
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="26" />
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="27" />
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../../app/window/Toolbar.cpp" line="28" />
        <source>Stop - Press twice or Ctrl+Space to stop all</source>
        <translation>Stopp - zweimal drücken oder Strg+Leertaste hält alles an</translation>
    </message>
</context>
<context>
    <name>TransferFunctionDialog</name>
    <message>
        <location filename="../../blocks/dialogs/TransferFunctionDialog.cpp" line="51" />
        <source>Point:</source>
        <extracomment>Punkt:</extracomment>
        <translation>Punkt:</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/TransferFunctionDialog.cpp" line="66" />
        <location filename="../../blocks/dialogs/TransferFunctionDialog.cpp" line="87" />
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>TransferFunctionDialogDraw</name>
    <message>
        <location filename="../../blocks/dialogs/TransferFunctionDialogDraw.cpp" line="138" />
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/TransferFunctionDialogDraw.cpp" line="141" />
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/TransferFunctionDialogDraw.cpp" line="143" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TransitionSlot</name>
    <message>
        <location filename="../../programs/model/TransitionSlot.cpp" line="18" />
        <source>Only outputs.</source>
        <translation>Nur Ausgänge.</translation>
    </message>
    <message>
        <location filename="../../programs/model/TransitionSlot.cpp" line="20" />
        <source>Only inputs.</source>
        <translation>Nur Eingänge.</translation>
    </message>
    <message>
        <location filename="../../programs/model/TransitionSlot.cpp" line="23" />
        <location filename="../../programs/model/TransitionSlot.cpp" line="27" />
        <source>Double connection.</source>
        <translation>Doppelte Verbindung.</translation>
    </message>
    <message>
        <location filename="../../programs/model/TransitionSlot.cpp" line="29" />
        <source>Slot and net can be connected.</source>
        <translation>Anschluss und Netz können verbunden werden.</translation>
    </message>
</context>
<context>
    <name>ValueDemultiplexerDialog</name>
    <message>
        <location filename="../../blocks/dialogs/ValueDemultiplexerDialog.cpp" line="8" />
        <source>Input channels:</source>
        <extracomment>Anzahl Eingänge:</extracomment>
        <translation>Eingangskanäle:</translation>
    </message>
</context>
<context>
    <name>ValueMultiplexerDialog</name>
    <message>
        <location filename="../../blocks/dialogs/ValueMultiplexerDialog.cpp" line="8" />
        <source>Output channels:</source>
        <extracomment>Anzahl Ausgänge:</extracomment>
        <translation>Ausgangskanäle:</translation>
    </message>
</context>
<context>
    <name>VectorConstDialog</name>
    <message>
        <location filename="../../blocks/dialogs/VectorConstDialog.cpp" line="40" />
        <source>cartesian</source>
        <extracomment>kartesisch</extracomment>
        <translation>kartesisch</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/VectorConstDialog.cpp" line="41" />
        <source>polar</source>
        <translation>polar</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/VectorConstDialog.cpp" line="55" />
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/VectorConstDialog.cpp" line="73" />
        <source>Length:</source>
        <extracomment>Länge:</extracomment>
        <translation>Länge:</translation>
    </message>
    <message>
        <location filename="../../blocks/dialogs/VectorConstDialog.cpp" line="75" />
        <source>Phi:</source>
        <extracomment>Direction</extracomment>
        <translation>Phi:</translation>
    </message>
</context>
<context>
    <name>VectorMathDialog</name>
    <message>
        <location filename="../../blocks/dialogs/VectorMathDialog.cpp" line="8" />
        <source>Inputchannels:</source>
        <extracomment>Anzahl Eingänge:</extracomment>
        <translation>Eingangskanäle:</translation>
    </message>
</context>
<context>
    <name>VectorSlot</name>
    <message>
        <location filename="../../programs/model/VectorSlot.cpp" line="12" />
        <location filename="../../programs/model/VectorSlot.cpp" line="14" />
        <source>cartesian</source>
        <translation>kartesisch</translation>
    </message>
    <message>
        <location filename="../../programs/model/VectorSlot.cpp" line="13" />
        <location filename="../../programs/model/VectorSlot.cpp" line="15" />
        <source>polar</source>
        <translation>polar</translation>
    </message>
</context>
<context>
    <name>VectorViewDialog</name>
    <message>
        <location filename="../../blocks/dialogs/VectorViewDialog.cpp" line="11" />
        <source>Input channels:</source>
        <extracomment>Anzahl Eingänge:</extracomment>
        <translation>Eingangskanäle:</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="11" />
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="11" />
        <source>Shift+F3</source>
        <comment>View|Zoom in</comment>
        <translation>Shift+F3</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="12" />
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="12" />
        <source>F3</source>
        <comment>View|Zoom out</comment>
        <translation>F3</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="15" />
        <source>Increase grid</source>
        <translation>Raster vergrößern</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="15" />
        <source>F4</source>
        <comment>View|Increase grid</comment>
        <translation>F4</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="17" />
        <source>Decrease grid</source>
        <translation>Raster verkleinern</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="17" />
        <source>Shift+F4</source>
        <comment>View|Decrease grid</comment>
        <translation>Shift+F4</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="20" />
        <source>Show data</source>
        <translation>Daten zeigen</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="20" />
        <source>Ctrl+D</source>
        <comment>View|Show data</comment>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="21" />
        <source>Show grid</source>
        <translation>Raster zeigen</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="21" />
        <source>Ctrl+G</source>
        <comment>View|Show grid</comment>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="23" />
        <source>Show sorting</source>
        <translation>Reihenfolge zeigen</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="23" />
        <source>Shift+Ctrl+O</source>
        <comment>View|Show sorting</comment>
        <translation>Shift+Ctrl+O</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="26" />
        <source>Toolbar</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="26" />
        <source>Ctrl+T</source>
        <comment>View|Toolbar</comment>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="28" />
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <location filename="../../app/menus/ViewMenu.cpp" line="28" />
        <source>Ctrl+L</source>
        <comment>View|Library</comment>
        <translation>Ctrl+L</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../app/menus/WindowMenu.cpp" line="39" />
        <source>Close All Documents</source>
        <translation>Alle Dokumente schließen</translation>
    </message>
    <message>
        <location filename="../../app/menus/WindowMenu.cpp" line="41" />
        <source>Close All Dialogs</source>
        <translation>Alle Dialoge schließen</translation>
    </message>
</context>
<context>
    <name>WorkspaceSizeOptions</name>
    <message>
        <location filename="../../app/options/WorkspaceSizeOptions.cpp" line="19" />
        <source>use settings as default</source>
        <translation>Einstellungen als Vorgabe verwenden</translation>
    </message>
    <message>
        <location filename="../../app/options/WorkspaceSizeOptions.cpp" line="22" />
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../../app/options/WorkspaceSizeOptions.cpp" line="25" />
        <source>x:</source>
        <translation>x:</translation>
    </message>
    <message>
        <location filename="../../app/options/WorkspaceSizeOptions.cpp" line="27" />
        <source>y:</source>
        <translation>y:</translation>
    </message>
    <message>
        <location filename="../../app/options/WorkspaceSizeOptions.cpp" line="29" />
        <source>Fit</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <location filename="../../app/options/WorkspaceSizeOptions.h" line="23" />
        <source>Workspace Size</source>
        <translation>Größe der Arbeitsfläche</translation>
    </message>
</context>
<context>
    <name>XKDWidget</name>
    <message>
        <location filename="../../vision/widgets/XKDWidget.cpp" line="139" />
        <source>No image available</source>
        <translation>Kein Bild verfügbar</translation>
    </message>
</context>
</TS>