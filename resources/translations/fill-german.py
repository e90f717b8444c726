# Fills the German translations of resources/translations/de.ts after lupdate:
# python3 resources/translations/fill-german.py resources/translations/de.ts
import xml.etree.ElementTree as ET, sys
de = {
'Done':'Fertig','Close':'Schließen','Only one net per input.':'Nur ein Netz je Eingang.','Only outputs.':'Nur Ausgänge.',
'Only one output per net.':'Nur ein Ausgang je Netz.','Only inputs.':'Nur Eingänge.','Slot and net can be connected.':'Anschluss und Netz können verbunden werden.',
'IMG':'BILD','Ctrl':'Strg','Del':'Entf','Esc':'Esc','&Undo':'&Rückgängig','&Redo':'&Wiederholen','&Cut':'&Ausschneiden','C&opy':'&Kopieren',
'&Paste':'&Einfügen','Delete':'Löschen','Select All':'Alles auswählen','Clear selection':'Auswahl aufheben','Options':'Optionen',
'Shutdown Kelmaris':'Kelmaris herunterfahren','Languages':'Sprachen','Do you realy want to shutdown Kelmaris?':'Wollen Sie Kelmaris wirklich herunterfahren?',
'Restart the application to let the new settings take effect.':'Starten Sie das Programm neu, damit die neuen Einstellungen wirksam werden.',
'Translationfile %1 not found.':'Übersetzungsdatei %1 nicht gefunden.','New':'Neu','Function block program':'Funktionsblockprogramm',
'Flow control program':'Ablaufsteuerung','&Open':'Ö&ffnen','&Save':'&Speichern','Save &As':'Speichern &unter','&Close':'S&chließen',
'&Properties':'&Eigenschaften','Recent Files':'Zuletzt geöffnete Dateien','E&xit':'&Beenden','Dynamic Help':'Dynamische Hilfe','Contents':'Inhalt',
'About':'Über','Info':'Info','left':'links','right':'rechts','top':'oben','bottom':'unten','input':'Eingang','output':'Ausgang',
'Library page':'Bibliotheksseite','Block':'Baustein','Variants':'Varianten','Connections':'Anschlüsse','Name':'Name','Direction':'Richtung','Side':'Seite',
'Function block library':'Funktionsblockbibliothek','Help':'Hilfe','<p>The help pages are not installed.</p>':'<p>Die Hilfeseiten sind nicht installiert.</p>',
'Scan':'Suchen','Joystick':'Joystick','Sequence control':'Ablaufsteuerung','Programs':'Programme','Logic':'Logik','Mathematics':'Mathematik',
'Vector analysis':'Vektorrechnung','Display':'Anzeigen','Image processing':'Bildverarbeitung','Generators':'Generatoren','Filter':'Filter',
'Kelmaris Hardware':'Kelmaris Hardware','Navigation':'Navigation','Input devices':'Eingabegeräte','Data exchange':'Datenaustausch',
'&File':'&Datei','&Edit':'&Bearbeiten','&View':'&Ansicht','E&xtras':'E&xtras','&Window':'&Fenster','&Help':'&Hilfe',
'Connection refused.':'Verbindung abgelehnt.','Writing to socket failed.':'Schreiben auf den Socket fehlgeschlagen.',
'Reading from socket failed.':'Lesen vom Socket fehlgeschlagen.','Creating image server socket failed.':'Anlegen des Bildserver-Sockets fehlgeschlagen.',
'Binding image server to port %1 failed.':'Binden des Bildservers an Port %1 fehlgeschlagen.',
'Kelmaris has not been sending anything for more than %1 milliseconds.':'Kelmaris hat seit mehr als %1 Millisekunden nichts gesendet.',
'Kelmaris is already in use.':'Kelmaris wird bereits benutzt.','DNS lookup of %1 failed.':'DNS-Auflösung von %1 fehlgeschlagen.',
'Winsock2 initialisation failes.':'Initialisierung des Netzwerks fehlgeschlagen.','Communication error.':'Kommunikationsfehler.',
'Connected to %1.':'Verbunden mit %1.','Connection to %1 closed.':'Verbindung zu %1 geschlossen.','Can not write to %1.':'Kann nicht nach %1 schreiben.',
'file %1':'Datei %1','Save As':'Speichern unter',
'The file %1 already exists.\n\nDo you want to replace the existing file?':'Die Datei %1 existiert bereits.\n\nWollen Sie die vorhandene Datei ersetzen?',
'File is currently in use and cannot be overwritten.':'Die Datei wird gerade benutzt und kann nicht überschrieben werden.',
'Can not write to %1.\n\nDo you want to choose a different filename?':'Kann nicht nach %1 schreiben.\n\nWollen Sie einen anderen Dateinamen wählen?',
'Close all states inherited by %1?':'Alle von %1 benutzten Programme schließen?','Connection denied: ':'Verbindung abgelehnt: ',
'Loop.':'Schleife.','Double connection.':'Doppelte Verbindung.','Nets can be connected.':'Netze können verbunden werden.',
'Incompatible datatypes.':'Unverträgliche Datentypen.','The new net connects to slots already connected to this netpoint.':'Das neue Netz verbindet Anschlüsse, die schon an diesem Netzpunkt hängen.',
'Netpoint and net can be connected.':'Netzpunkt und Netz können verbunden werden.','Image server port':'Port des Bildservers','Networking':'Netzwerk',
'Ok':'Ok','Cancel':'Abbrechen','Joysticks':'Joysticks','Workspace':'Arbeitsfläche','Size':'Größe','Stepmode':'Schrittmodus','Security':'Sicherheit',
'Select an option from the left.':'Wählen Sie links eine Option.','Error saving settings':'Fehler beim Speichern der Einstellungen',
'Could not write application settings to %1.':'Die Programmeinstellungen konnten nicht nach %1 geschrieben werden.','Yes':'Ja','No':'Nein',
'Connecting to %1.':'Verbinde mit %1.','Division':'Division','Modulo':'Modulo','Addition':'Addition','Subtraction':'Subtraktion',
'Multiplication':'Multiplikation','Minimum':'Minimum','Maximum':'Maximum','Output':'Ausgang','Input':'Eingang','Reset':'Zurücksetzen',
'Exit %1':'Ausgang %1','not a':'nicht a','Generator':'Generator','Time':'Zeit','reset':'zurücksetzen','ms from reset':'ms seit Zurücksetzen',
'Transfer':'Übertragung','Length':'Länge','Select':'Auswahl','Vector':'Vektor','Could not read file!':'Konnte Datei nicht lesen!',
'Could not load file!':'Konnte Datei nicht laden!','The file %1 could not be loaded.':'Die Datei %1 konnte nicht geladen werden.',
'Version %1.%2 Build %3':'Version %1.%2 Build %3','Loading ...':'Lade ...','NEXT':'NÄCHSTER','SCORE':'PUNKTE','LEVEL':'STUFE',
'LINES REMOVED':'ENTFERNTE ZEILEN','&New Game':'&Neues Spiel','&Quit':'&Beenden','&Pause':'&Pause','Press "Pause"':'"Pause" drücken',
'The execution collides with currently running items.\nDo you want to stop execution of the listed items and start execution?':'Die Ausführung kollidiert mit laufenden Abläufen.\nWollen Sie die aufgeführten Abläufe anhalten und die Ausführung starten?',
'Save changes to the following items?':'Änderungen an den folgenden Dokumenten speichern?','Clear':'Löschen','IP address history':'Liste der IP-Adressen',
'File history':'Liste der Dateien','Unnamed':'Unbenannt','Program':'Programm','Unnamed%1':'Unbenannt%1','use settings as default':'Einstellungen als Vorgabe verwenden',
'Stable':'Stabil','Fast':'Schnell','Toolbar':'Werkzeuge','New function block program':'Neues Funktionsblockprogramm','New flow control program':'Neue Ablaufsteuerung',
'Open file':'Datei öffnen','Save file':'Datei speichern','Start':'Start','Pause':'Pause','Stop - Press twice or Ctrl+Space to stop all':'Stopp - zweimal drücken oder Strg+Leertaste hält alles an',
'cartesian':'kartesisch','polar':'polar','Zoom in':'Vergrößern','Zoom out':'Verkleinern','Increase grid':'Raster vergrößern','Decrease grid':'Raster verkleinern',
'Show data':'Daten zeigen','Show grid':'Raster zeigen','Show sorting':'Reihenfolge zeigen','Library':'Bibliothek','Close All Documents':'Alle Dokumente schließen',
'Close All Dialogs':'Alle Dialoge schließen','x:':'x:','y:':'y:','Fit':'Anpassen','Workspace Size':'Größe der Arbeitsfläche','Info on camera not available.':'Keine Kamerainformation.',
'Program %1 can not be closed.':'Programm %1 kann nicht geschlossen werden.',
'This program can not be closed since it is referenced by the following flow controls:\n%1':'Dieses Programm kann nicht geschlossen werden, da es von folgenden Ablaufsteuerungen benutzt wird:\n%1',
'Error':'Fehler','Math':'Mathematik','Compare':'Vergleich','Smooth':'Glättung','Scope':'Oszilloskop',
}
# Texts of the block dialogs, charts, robot and vision windows.
de.update({
'Input channels:':'Eingangskanäle:','Output channels:':'Ausgangskanäle:','Inputchannels:':'Eingangskanäle:',
'Colorspace':'Farbraum','Channel %1':'Kanal %1','Show':'Anzeigen','V-Position:':'V-Position:','Value':'Wert',
'Count on rising edge':'Auf steigender Flanke zählen','Count on falling edge':'Auf fallender Flanke zählen',
'Reset on start':'Bei Start auf Null setzen','Size of transmitted JPEG-image.':'Größe des übertragenen JPEG-Bildes.',
'Program processing frequency in Hertz.':'Frequenz der Programmausführung in Hertz.',
'Image processing frequency in Hertz.':'Frequenz der Bildverarbeitung in Hertz.',
'Serial line update frequency in Hertz.':'Aktualisierungsfrequenz der seriellen Leitung in Hertz.',
'IP address:':'IP Adresse:','Axis':'Achse','Button':'Taste','Slider':'Schieberegler','rising':'steigend','falling':'fallend',
'Current room:':'Aktueller Raum:','Timestamp:':'Zeitstempel:','No. spots:':'Anzahl Spots:','Apply':'Übernehmen',
'Value-Demultiplexer':'Wert-Demultiplexer','Value-Multiplexer':'Wert-Multiplexer','Bumper':'Stoßfänger',
'ControlPanel':'Bedienfeld','Motor %1':'Motor %1','DigitalInput':'Digitaleingang','DigitalOutput':'Digitalausgang',
'Distance':'Abstand','Value [V]':'Wert [V]','Heading [deg]':'Richtung [Grad]','Position View':'Positionsanzeige',
'x actual':'x ist','y actual':'y ist','phi actual':'phi ist','extern set':'extern setzen','x set':'x soll','y set':'y soll',
'phi set':'phi soll','extern x':'extern x','extern y':'extern y','extern phi':'extern phi','Power Management':'Energieverwaltung',
'Power consumption in A':'Stromverbrauch in A','Battery in Volt':'Batterie in Volt','Motor':'Motor',
'set velocity [rpm]':'Sollgeschwindigkeit [U/min]','priority':'Priorität','reset position':'Position zurücksetzen',
'Brake':'Bremse','actual velocity [rpm]':'Istgeschwindigkeit [U/min]','actual position':'Istposition',
'motor current':'Motorstrom','NorthStar':'NorthStar','spots':'Spots','Omnidrive':'Omnidrive','PathDriver':'Bahnfahrer',
'Relay':'Relais','Connection to %1 active.':'Netzwerkverbindung zu %1 aktiv.','Not connected.':'Keine Netzwerkverbindung etabliert.',
'Connected to %1 in passive mode.':'Mit %1 im passiven Modus verbunden.','Threshold':'Schwelle','EdgeType':'Kantentyp',
'LineX':'Linie X','Line found':'Linie gefunden','Selected segment':'Gewähltes Segment','Slot':'Anschluss','Function':'Funktion',
'Show full image':'Ganzes Bild anzeigen','none':'keine','channel':'Kanal','used pixel intensities':'benutzte Pixelintensitäten',
'undo':'rückgängig','Freeze image':'Bild einfrieren','Segmented image':'Segmentiertes Bild','Rectangle selection':'Rechteckauswahl','Edit segmentation...':'Segmentierung bearbeiten...','Add selection to segment':'Auswahl zum Segment hinzufügen',
'Circle selection':'Kreisauswahl','Add segment':'Segment hinzufügen','Delete segment':'Segment löschen',
'Move segment up':'Segment nach oben','Move segment down':'Segment nach unten','Name:':'Name:','Active':'Aktiv','Depth:':'Tiefe:',
'Error loading %1.\nEmpty filename found.':'Fehler beim Laden von %1.\nLeerer Dateiname gefunden.',
'Error loading %1.\nThe file name %2 is referencing a currently opened statechart.':'Fehler beim Laden von %1.\nDer Dateiname %2 verweist auf eine geöffnete Ablaufsteuerung.',
'Error on loading the state %1:\n%2\nCancel or choose an alternative state.':'Fehler beim Laden des Programms %1:\n%2\nAbbrechen oder ein anderes Programm wählen.',
'Alternative state...':'Anderes Programm...','Error parsing file.\nError: %1':'Fehler beim Lesen der Datei.\nFehler: %1',
'File does not contain a state.':'Die Datei enthält kein Programm.','Error while loading state.':'Fehler beim Laden des Programms.',
'Copy':'Kopieren','Paste':'Einfügen','Sync':'Synchronisieren','Synchronize And':'Synchronisieren (Und)',
'Synchronize Or':'Synchronisieren (Oder)','Point:':'Punkt:','Remove':'Entfernen','Length:':'Länge:','Phi:':'Phi:',
'No image available':'Kein Bild verfügbar',
})
notgerman = {'Input channel','Output channel','Vector x component','Vector y component'}
path = sys.argv[1]
t = ET.parse(path)
missing = []
for ctx in t.getroot():
    for m in ctx.findall('message'):
        src = m.find('source').text
        c = m.find('comment'); com = (c.text if c is not None else '') or ''
        tr = m.find('translation')
        if '|' in com:
            text = src  # shortcuts stay
        elif com and com not in notgerman and not com.startswith('%') and ':' not in com[:3]:
            text = com
        elif src in de:
            text = de[src]
        else:
            text = src
            if any(ch.islower() for ch in src) and len(src) > 3:
                missing.append(src)
        tr.text = text
        tr.attrib.pop('type', None)
t.write(path, encoding='utf-8', xml_declaration=True)
print('kept as written:', missing)
