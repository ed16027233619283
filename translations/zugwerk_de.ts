<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>GameTransfer</name>
    <message>
        <source>the board holds no position</source>
        <translation>das Brett enthält keine Stellung</translation>
    </message>
    <message>
        <source>The position on the board is not a legal chess position: %1</source>
        <translation>Die Stellung auf dem Brett ist keine zulässige Schachstellung: %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Zurzeit ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der ausgewählte Drucker ist ungültig</translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Checkmate: %1 wins</source>
        <translation>Schachmatt: %1 gewinnt</translation>
    </message>
    <message>
        <source>Checkmate: %1 wins the game.</source>
        <translation>Schachmatt: %1 gewinnt die Partie.</translation>
    </message>
    <message>
        <source>Draw by stalemate</source>
        <translation>Remis durch Patt</translation>
    </message>
    <message>
        <source>Draw by stalemate: the side to move has no move and is not in check.</source>
        <translation>Remis durch Patt: Die Seite am Zug hat keinen Zug und steht nicht im Schach.</translation>
    </message>
    <message>
        <source>Draw by threefold repetition</source>
        <translation>Remis durch dreimalige Stellungswiederholung</translation>
    </message>
    <message>
        <source>Draw by threefold repetition: the same position stood three times.</source>
        <translation>Remis durch dreimalige Stellungswiederholung: Dieselbe Stellung stand dreimal auf dem Brett.</translation>
    </message>
    <message>
        <source>Draw: only the two kings are left</source>
        <translation>Remis: Nur die beiden Könige sind übrig</translation>
    </message>
    <message>
        <source>Draw: only the two kings are left.</source>
        <translation>Remis: Nur die beiden Könige sind übrig.</translation>
    </message>
    <message>
        <source>Draw: neither side can checkmate any more</source>
        <translation>Remis: Keine Seite kann mehr mattsetzen</translation>
    </message>
    <message>
        <source>Draw: the position is dead, neither side can checkmate any more.</source>
        <translation>Remis: Die Stellung ist tot, keine Seite kann mehr mattsetzen.</translation>
    </message>
    <message>
        <source>Draw by the 75-move rule</source>
        <translation>Remis nach der 75-Züge-Regel</translation>
    </message>
    <message>
        <source>Draw by the 75-move rule: 75 moves without a capture or a pawn move.</source>
        <translation>Remis nach der 75-Züge-Regel: 75 Züge ohne Schlagen und ohne Bauernzug.</translation>
    </message>
    <message>
        <source>Draw claimed by the 50-move rule</source>
        <translation>Remis nach der 50-Züge-Regel beansprucht</translation>
    </message>
    <message>
        <source>Draw claimed by the 50-move rule: 50 moves without a capture or a pawn move.</source>
        <translation>Remis nach der 50-Züge-Regel beansprucht: 50 Züge ohne Schlagen und ohne Bauernzug.</translation>
    </message>
    <message>
        <source>Black wins on time</source>
        <translation>Schwarz gewinnt auf Zeit</translation>
    </message>
    <message>
        <source>White&apos;s time is up: Black wins on time.</source>
        <translation>Die Bedenkzeit von Weiß ist abgelaufen: Schwarz gewinnt auf Zeit.</translation>
    </message>
    <message>
        <source>White wins on time</source>
        <translation>Weiß gewinnt auf Zeit</translation>
    </message>
    <message>
        <source>Black&apos;s time is up: White wins on time.</source>
        <translation>Die Bedenkzeit von Schwarz ist abgelaufen: Weiß gewinnt auf Zeit.</translation>
    </message>
    <message>
        <source>Draw: White&apos;s time is up, but Black cannot checkmate</source>
        <translation>Remis: Die Zeit von Weiß ist abgelaufen, aber Schwarz kann nicht mattsetzen</translation>
    </message>
    <message>
        <source>Draw: White&apos;s time is up, but Black has only the king and cannot checkmate.</source>
        <translation>Remis: Die Bedenkzeit von Weiß ist abgelaufen, aber Schwarz hat nur noch den König und kann nicht mattsetzen.</translation>
    </message>
    <message>
        <source>Draw: Black&apos;s time is up, but White cannot checkmate</source>
        <translation>Remis: Die Zeit von Schwarz ist abgelaufen, aber Weiß kann nicht mattsetzen</translation>
    </message>
    <message>
        <source>Draw: Black&apos;s time is up, but White has only the king and cannot checkmate.</source>
        <translation>Remis: Die Bedenkzeit von Schwarz ist abgelaufen, aber Weiß hat nur noch den König und kann nicht mattsetzen.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>%1 played %2</source>
        <translation>%1 zog %2</translation>
    </message>
    <message>
        <source>%1 is in check</source>
        <translation>%1 steht im Schach</translation>
    </message>
    <message>
        <source>%1 castled king-side</source>
        <translation>%1 rochierte kurz</translation>
    </message>
    <message>
        <source>%1 castled queen-side</source>
        <translation>%1 rochierte lang</translation>
    </message>
    <message>
        <source>%1. The game is over: start a new game to play on</source>
        <translation>%1. Die Partie ist zu Ende: Beginnen Sie eine neue Partie, um weiterzuspielen</translation>
    </message>
</context>
<context>
    <name>TAnalysisPanel</name>
    <message>
        <source>%1 M nodes/s</source>
        <translation>%1 Mio. Knoten/s</translation>
    </message>
    <message>
        <source>%1 k nodes/s</source>
        <translation>%1 Tsd. Knoten/s</translation>
    </message>
    <message>
        <source>Stalemate: no analysis.</source>
        <translation>Patt: keine Analyse.</translation>
    </message>
    <message>
        <source>White is mated.</source>
        <translation>Weiß ist matt.</translation>
    </message>
    <message>
        <source>Black is mated.</source>
        <translation>Schwarz ist matt.</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Analysis engine</source>
        <translation>Analyse-Engine</translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>Varianten: </translation>
    </message>
    <message>
        <source>Number of lines</source>
        <translation>Anzahl der Varianten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Analysis lines</source>
        <translation>Analysevarianten</translation>
    </message>
    <message>
        <source>Columns of the analysis lines</source>
        <translation>Spalten der Analysevarianten</translation>
    </message>
    <message>
        <source>Pause the analysis</source>
        <translation>Analyse anhalten</translation>
    </message>
    <message>
        <source>Analysis panel</source>
        <translation>Analysefenster</translation>
    </message>
    <message>
        <source>Analysis status</source>
        <translation>Stand der Analyse</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>No engine to analyse with.</source>
        <translation>Keine Engine für die Analyse vorhanden.</translation>
    </message>
    <message>
        <source>Starting %1...</source>
        <translation>%1 wird gestartet...</translation>
    </message>
    <message>
        <source>The board holds no legal position.</source>
        <translation>Auf dem Brett steht keine zulässige Stellung.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>%1 is thinking...</source>
        <translation>%1 rechnet...</translation>
    </message>
    <message>
        <source>Depth %1</source>
        <translation>Tiefe %1</translation>
    </message>
</context>
<context>
    <name>TBoardAnnouncer</name>
    <message>
        <source>pawn</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>Springer</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>Läufer</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>Turm</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>white %1</source>
        <translation>weißer %1</translation>
    </message>
    <message>
        <source>black %1</source>
        <translation>schwarzer %1</translation>
    </message>
    <message>
        <source>White to move.</source>
        <translation>Weiß am Zug.</translation>
    </message>
    <message>
        <source>Black to move.</source>
        <translation>Schwarz am Zug.</translation>
    </message>
    <message>
        <source>Last move: %1.</source>
        <translation>Letzter Zug: %1.</translation>
    </message>
    <message>
        <source>Square %1: %2.</source>
        <translation>Feld %1: %2.</translation>
    </message>
</context>
<context>
    <name>TChessBoard</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Engine tried to perform Illegal Move</source>
        <translation>Die Engine wollte einen unzulässigen Zug ausführen</translation>
    </message>
</context>
<context>
    <name>TChessClock</name>
    <message>
        <source>The time control %1 is not one the clock can keep: from 1 to %2 minutes and from 0 to %3 seconds of increment</source>
        <translation>Die Bedenkzeit %1 kann die Uhr nicht führen: möglich sind 1 bis %2 Minuten und 0 bis %3 Sekunden Zeitzuschlag</translation>
    </message>
</context>
<context>
    <name>TColorButton97</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purpur</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>TDiagramDialog</name>
    <message>
        <source>Copy Diagram</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>Print Diagram</source>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>&amp;Coordinates</source>
        <translation>&amp;Koordinaten</translation>
    </message>
    <message>
        <source>&amp;Mark the side to move</source>
        <translation>Seite am &amp;Zug markieren</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
</context>
<context>
    <name>TEngineList</name>
    <message>
        <source>No program was named</source>
        <translation>Es wurde kein Programm angegeben</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a program file</source>
        <translation>%1 ist keine Programmdatei</translation>
    </message>
    <message>
        <source>%1 is not executable</source>
        <translation>%1 ist nicht ausführbar</translation>
    </message>
    <message>
        <source>%1 is listed already</source>
        <translation>%1 steht bereits in der Liste</translation>
    </message>
    <message>
        <source>%1 is not usable as a UCI engine: %2</source>
        <translation>%1 ist als UCI-Engine nicht verwendbar: %2</translation>
    </message>
</context>
<context>
    <name>TEngineListDialog</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Strength: set by Elo rating, %1 to %2 (UCI_LimitStrength and UCI_Elo)</source>
        <translation>Spielstärke: einstellbar als Elo-Zahl, %1 bis %2 (UCI_LimitStrength und UCI_Elo)</translation>
    </message>
    <message>
        <source>Strength: set by Skill Level, %1 to %2</source>
        <translation>Spielstärke: einstellbar als Stärkestufe, %1 bis %2</translation>
    </message>
    <message>
        <source>Strength: cannot be set, the engine always plays at full strength</source>
        <translation>Spielstärke: nicht einstellbar, die Engine spielt immer mit voller Stärke</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Engines</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Found or added</source>
        <translation>Gefunden oder hinzugefügt</translation>
    </message>
    <message>
        <source>Ar&amp;guments:</source>
        <translation>&amp;Argumente:</translation>
    </message>
    <message>
        <source>e.g. /path/to/crafty.ini for polyglot</source>
        <translation>z. B. /pfad/zu/crafty.ini für polyglot</translation>
    </message>
    <message>
        <source>Split as a shell would: put a path with blanks in quotes</source>
        <translation>Aufgeteilt wie in einer Shell: einen Pfad mit Leerzeichen in Anführungszeichen setzen</translation>
    </message>
    <message>
        <source>&amp;Add Engine...</source>
        <translation>Engine &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Choose a UCI engine&apos;s program; it is listed once it answers as one</source>
        <translation>Das Programm einer UCI-Engine wählen; es erscheint in der Liste, sobald es als solche antwortet</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Take the selected engine you added off the list</source>
        <translation>Die ausgewählte, von Ihnen hinzugefügte Engine aus der Liste nehmen</translation>
    </message>
    <message>
        <source>Options of the selected engine</source>
        <translation>Optionen der ausgewählten Engine</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Range or choices</source>
        <translation>Bereich oder Auswahl</translation>
    </message>
    <message>
        <source>An engine that speaks only the XBoard protocol (crafty, phalanx, sjeng, fairymax, ...) is added through polyglot (Debian package polyglot), which speaks UCI for it. Write an .ini file such as
    [PolyGlot]
    EngineCommand = /usr/games/crafty
    EngineDir = /tmp
then add /usr/games/polyglot (or /usr/bin/polyglot) with the path of the .ini file as its argument.</source>
        <translation>Eine Engine, die nur das XBoard-Protokoll spricht (crafty, phalanx, sjeng, fairymax, ...), wird über polyglot (Debian-Paket polyglot) hinzugefügt, das für sie UCI spricht. Schreiben Sie eine .ini-Datei wie
    [PolyGlot]
    EngineCommand = /usr/games/crafty
    EngineDir = /tmp
und fügen Sie dann /usr/games/polyglot (oder /usr/bin/polyglot) mit dem Pfad der .ini-Datei als Argument hinzu.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Add Engine</source>
        <translation>Engine hinzufügen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>%1 wird geprüft…</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Found on the system</source>
        <translation>Auf dem System gefunden</translation>
    </message>
    <message>
        <source>Added by you</source>
        <translation>Von Ihnen hinzugefügt</translation>
    </message>
    <message>
        <source>Looking for engines…</source>
        <translation>Engines werden gesucht…</translation>
    </message>
    <message>
        <source>No engines found: add one below.</source>
        <translation>Keine Engines gefunden: Fügen Sie unten eine hinzu.</translation>
    </message>
    <message>
        <source>1 engine</source>
        <translation>1 Engine</translation>
    </message>
    <message>
        <source>%1 engines</source>
        <translation>%1 Engines</translation>
    </message>
    <message>
        <source>No engine selected.</source>
        <translation>Keine Engine ausgewählt.</translation>
    </message>
    <message>
        <source>%1 reported no options.</source>
        <translation>%1 meldet keine Optionen.</translation>
    </message>
    <message>
        <source>Engines found</source>
        <translation>Gefundene Engines</translation>
    </message>
    <message>
        <source>Columns of the engines</source>
        <translation>Spalten der Engines</translation>
    </message>
    <message>
        <source>Rows of the engines</source>
        <translation>Zeilen der Engines</translation>
    </message>
    <message>
        <source>Arguments of the engine to add</source>
        <translation>Argumente der hinzuzufügenden Engine</translation>
    </message>
    <message>
        <source>Status of the engines</source>
        <translation>Stand der Engines</translation>
    </message>
    <message>
        <source>Strength of the selected engine</source>
        <translation>Spielstärke der ausgewählten Engine</translation>
    </message>
    <message>
        <source>Columns of the options</source>
        <translation>Spalten der Optionen</translation>
    </message>
    <message>
        <source>Rows of the options</source>
        <translation>Zeilen der Optionen</translation>
    </message>
    <message>
        <source>Adding an XBoard engine through polyglot</source>
        <translation>Eine XBoard-Engine über polyglot hinzufügen</translation>
    </message>
</context>
<context>
    <name>TEnginePlayer</name>
    <message>
        <source>%1 sent an illegal move (%2)</source>
        <translation>%1 hat einen unzulässigen Zug gesendet (%2)</translation>
    </message>
    <message>
        <source>%1: it loses the game</source>
        <translation>%1: Die Engine verliert die Partie</translation>
    </message>
</context>
<context>
    <name>TEvaluationBar</name>
    <message>
        <source>Evaluation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>No evaluation</source>
        <translation>Keine Bewertung</translation>
    </message>
</context>
<context>
    <name>TEvaluationGraph</name>
    <message>
        <source>Evaluation graph</source>
        <translation>Bewertungsgrafik</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Chessboard</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Player 1, Black</source>
        <translation>Spieler 1, Schwarz</translation>
    </message>
    <message>
        <source>Player 2, White</source>
        <translation>Spieler 2, Weiß</translation>
    </message>
    <message>
        <source>Frame of the first player&apos;s clock</source>
        <translation>Rahmen der Uhr des ersten Spielers</translation>
    </message>
    <message>
        <source>First player&apos;s clock</source>
        <translation>Uhr des ersten Spielers</translation>
    </message>
    <message>
        <source>Frame of the second player&apos;s clock</source>
        <translation>Rahmen der Uhr des zweiten Spielers</translation>
    </message>
    <message>
        <source>Second player&apos;s clock</source>
        <translation>Uhr des zweiten Spielers</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Züge der Partie</translation>
    </message>
    <message>
        <source>Columns of the moves</source>
        <translation>Spalten der Züge</translation>
    </message>
    <message>
        <source>Rows of the moves</source>
        <translation>Zeilen der Züge</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What the computer is thinking</source>
        <translation>Was der Computer denkt</translation>
    </message>
    <message>
        <source>Move typed on the board</source>
        <translation>Auf dem Brett eingetippter Zug</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Colours for %1</source>
        <translation>Farben für %1</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>Analysis &amp;Panel</source>
        <translation>Analyse&amp;fenster</translation>
    </message>
    <message>
        <source>An engine&apos;s best lines for the position on the board</source>
        <translation>Die besten Varianten einer Engine für die Stellung auf dem Brett</translation>
    </message>
    <message>
        <source>Zugwerk! 2.0</source>
        <translation>Zugwerk! 2.0</translation>
    </message>
    <message>
        <source>Game record full: no more moves; start a new game</source>
        <translation>Partieaufzeichnung voll: keine weiteren Züge; beginnen Sie eine neue Partie</translation>
    </message>
    <message>
        <source>Move %1 : %2</source>
        <translation>Zug %1 : %2</translation>
    </message>
    <message>
        <source>Illegal move</source>
        <translation>Unzulässiger Zug</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Schach</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Rochade</translation>
    </message>
    <message>
        <source>Mate</source>
        <translation>Matt</translation>
    </message>
    <message>
        <source>Mate!</source>
        <translation>Matt!</translation>
    </message>
    <message>
        <source>Draw: Stalemate</source>
        <translation>Remis: Patt</translation>
    </message>
    <message>
        <source>Draw!  Stalemate.</source>
        <translation>Remis!  Patt.</translation>
    </message>
    <message>
        <source>Draw: 3-Time Repetition of Position</source>
        <translation>Remis: Dreimalige Stellungswiederholung</translation>
    </message>
    <message>
        <source>Draw!  3-time repetition of position.</source>
        <translation>Remis!  Dreimalige Stellungswiederholung.</translation>
    </message>
    <message>
        <source>Draw: Only two kings left</source>
        <translation>Remis: Nur noch zwei Könige</translation>
    </message>
    <message>
        <source>Draw!  Only two kings left.</source>
        <translation>Remis!  Nur noch zwei Könige.</translation>
    </message>
    <message>
        <source>Move Now: the side to move is played by a human</source>
        <translation>Jetzt ziehen: Die Seite am Zug spielt ein Mensch</translation>
    </message>
    <message>
        <source>Move Now: there is no move to make</source>
        <translation>Jetzt ziehen: Es gibt keinen Zug</translation>
    </message>
    <message>
        <source>The chess game</source>
        <translation>Das Schachspiel</translation>
    </message>
    <message>
        <source>Made by The Zugwerk! developers, free software under the GPL 3 or later</source>
        <translation>Von den Zugwerk!-Entwicklern, freie Software unter der GPL 3 oder später</translation>
    </message>
    <message>
        <source>Questions and comments: see README.md of the Zugwerk! project</source>
        <translation>Fragen und Anmerkungen: siehe README.md des Zugwerk!-Projekts</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neue Partie</translation>
    </message>
    <message>
        <source>&amp;Save Game...</source>
        <translation>Partie &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>Partie &amp;öffnen...</translation>
    </message>
    <message>
        <source>Save &amp;Moves...</source>
        <translation>&amp;Züge speichern...</translation>
    </message>
    <message>
        <source>&amp;Print Chessboard</source>
        <translation>Schachbrett &amp;drucken</translation>
    </message>
    <message>
        <source>Print &amp;Moves</source>
        <translation>Z&amp;üge drucken</translation>
    </message>
    <message>
        <source>P&amp;rinter Setup...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Export Game (PGN)...</source>
        <translation>Partie e&amp;xportieren (PGN)...</translation>
    </message>
    <message>
        <source>&amp;Import Game (PGN)...</source>
        <translation>Partie &amp;importieren (PGN)...</translation>
    </message>
    <message>
        <source>Export &amp;Finished Game (PGN)...</source>
        <translation>Beendete Partie ex&amp;portieren (PGN)...</translation>
    </message>
    <message>
        <source>New &amp;Game...</source>
        <translation>Neue Partie &amp;einstellen...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Reverse board</source>
        <translation>Brett &amp;drehen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Copy &amp;Position (FEN)</source>
        <translation>Stellung &amp;kopieren (FEN)</translation>
    </message>
    <message>
        <source>Paste Position (FEN)</source>
        <translation>Stellung einfügen (FEN)</translation>
    </message>
    <message>
        <source>&amp;Copy Game (PGN)</source>
        <translation>Partie kop&amp;ieren (PGN)</translation>
    </message>
    <message>
        <source>Paste &amp;Game (PGN)</source>
        <translation>Partie ei&amp;nfügen (PGN)</translation>
    </message>
    <message>
        <source>Move &amp;Now</source>
        <translation>&amp;Jetzt ziehen</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>Zug zu&amp;rücknehmen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Zugwerk! Toolbar</source>
        <translation>Zugwerk!-Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Partie öffnen</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Partie speichern</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Reverse Board</source>
        <translation>Brett drehen</translation>
    </message>
    <message>
        <source>Black Square Color</source>
        <translation>Farbe der schwarzen Felder</translation>
    </message>
    <message>
        <source>White Square Color</source>
        <translation>Farbe der weißen Felder</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>Di&amp;agramm exportieren...</translation>
    </message>
    <message>
        <source>Print D&amp;iagram</source>
        <translation>Dia&amp;gramm drucken</translation>
    </message>
    <message>
        <source>Copy Di&amp;agram</source>
        <translation>Diagramm ko&amp;pieren</translation>
    </message>
    <message>
        <source>Diagram copied</source>
        <translation>Diagramm kopiert</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>Diagram exported to %1</source>
        <translation>Diagramm nach %1 exportiert</translation>
    </message>
    <message>
        <source>Discard the current game?</source>
        <translation>Die laufende Partie verwerfen?</translation>
    </message>
    <message>
        <source>Discard the rest of the game and play this move?</source>
        <translation>Den Rest der Partie verwerfen und diesen Zug spielen?</translation>
    </message>
    <message>
        <source>Draw: Dead position</source>
        <translation>Remis: Tote Stellung</translation>
    </message>
    <message>
        <source>Draw!  Dead position.</source>
        <translation>Remis!  Tote Stellung.</translation>
    </message>
    <message>
        <source>Draw: 75-move rule</source>
        <translation>Remis: 75-Züge-Regel</translation>
    </message>
    <message>
        <source>Draw!  75-move rule.</source>
        <translation>Remis!  75-Züge-Regel.</translation>
    </message>
    <message>
        <source>Draw: 50-move rule claimed</source>
        <translation>Remis: 50-Züge-Regel beansprucht</translation>
    </message>
    <message>
        <source>Draw!  50-move rule claimed.</source>
        <translation>Remis!  50-Züge-Regel beansprucht.</translation>
    </message>
    <message>
        <source>Claim &amp;Draw</source>
        <translation>Remis be&amp;anspruchen</translation>
    </message>
    <message>
        <source>50 moves of each side without a capture or a pawn move: claim a draw</source>
        <translation>50 Züge jeder Seite ohne Schlagen und ohne Bauernzug: Remis beanspruchen</translation>
    </message>
    <message>
        <source>Eng&amp;ines...</source>
        <translation>En&amp;gines...</translation>
    </message>
    <message>
        <source>The UCI engines found on the system and those you added</source>
        <translation>Die auf dem System gefundenen und die von Ihnen hinzugefügten UCI-Engines</translation>
    </message>
    <message>
        <source>Analyse &amp;Game</source>
        <translation>&amp;Partie analysieren</translation>
    </message>
    <message>
        <source>Analysis &amp;Time</source>
        <translation>Analyse&amp;zeit</translation>
    </message>
    <message>
        <source>%1 s per move</source>
        <translation>%1 s pro Zug</translation>
    </message>
    <message>
        <source>Every position of the game searched, its evaluation graph and the moves that lose much</source>
        <translation>Jede Stellung der Partie durchrechnen, mit Bewertungsgrafik und den Zügen, die viel verlieren</translation>
    </message>
    <message>
        <source>Evaluation Graph</source>
        <translation>Bewertungsgrafik</translation>
    </message>
    <message>
        <source>Evaluation graph panel</source>
        <translation>Fenster der Bewertungsgrafik</translation>
    </message>
    <message>
        <source>Evaluation G&amp;raph</source>
        <translation>&amp;Bewertungsgrafik</translation>
    </message>
    <message>
        <source>The board holds no game to analyse.</source>
        <translation>Auf dem Brett steht keine Partie zum Analysieren.</translation>
    </message>
    <message>
        <source>No moves to analyse.</source>
        <translation>Keine Züge zum Analysieren.</translation>
    </message>
    <message>
        <source>No engine to analyse with: zugwerk-engine is not beside the program.</source>
        <translation>Keine Engine für die Analyse: zugwerk-engine liegt nicht neben dem Programm.</translation>
    </message>
    <message>
        <source>Analysing the game with %1...</source>
        <translation>Die Partie wird mit %1 analysiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Analyse Game</source>
        <translation>Partie analysieren</translation>
    </message>
    <message>
        <source>Analysis cancelled.</source>
        <translation>Analyse abgebrochen.</translation>
    </message>
    <message>
        <source>Game analysed: mistakes (?) %1, blunders (??) %2</source>
        <translation>Partie analysiert: Fehler (?) %1, grobe Fehler (??) %2</translation>
    </message>
    <message>
        <source>Zugwerk! Game (*.zgw)</source>
        <translation>Zugwerk!-Partie (*.zgw)</translation>
    </message>
    <message>
        <source>Save Moves</source>
        <translation>Züge speichern</translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>%1 is not a game file: a game file holds the 64 squares of a position, a8 to h1, as piece letters and blanks</source>
        <translation>%1 ist keine Partiedatei: Eine Partiedatei enthält die 64 Felder einer Stellung, a8 bis h1, als Figurenbuchstaben und Leerzeichen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>An arrow for the best move of the side to move</source>
        <translation>Ein Pfeil für den besten Zug der Seite am Zug</translation>
    </message>
    <message>
        <source>No hint: the board holds no legal position.</source>
        <translation>Kein Tipp: Auf dem Brett steht keine zulässige Stellung.</translation>
    </message>
    <message>
        <source>No hint: the game is over.</source>
        <translation>Kein Tipp: Die Partie ist zu Ende.</translation>
    </message>
    <message>
        <source>No hint: the engine zugwerk-engine is not beside the program.</source>
        <translation>Kein Tipp: Die Engine zugwerk-engine liegt nicht neben dem Programm.</translation>
    </message>
    <message>
        <source>No hint: %1</source>
        <translation>Kein Tipp: %1</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Tipp wird gesucht...</translation>
    </message>
    <message>
        <source>No hint: the engine answered %1, which is no legal move.</source>
        <translation>Kein Tipp: Die Engine antwortete %1, und das ist kein zulässiger Zug.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Export Matc&amp;h (PGN)...</source>
        <translation>&amp;Match exportieren (PGN)...</translation>
    </message>
    <message>
        <source>Match score</source>
        <translation>Stand des Matches</translation>
    </message>
    <message>
        <source>: the match is over</source>
        <translation>: Das Match ist zu Ende</translation>
    </message>
    <message>
        <source>Match of %1 games: game 1</source>
        <translation>Match über %1 Partien: Partie 1</translation>
    </message>
    <message>
        <source>Match exported to %1</source>
        <translation>Match nach %1 exportiert</translation>
    </message>
    <message>
        <source>The time control %1 is not valid</source>
        <translation>Die Bedenkzeit %1 ist ungültig</translation>
    </message>
    <message>
        <source>Export Game</source>
        <translation>Partie exportieren</translation>
    </message>
    <message>
        <source>PGN Game (*.pgn)</source>
        <translation>PGN-Partie (*.pgn)</translation>
    </message>
    <message>
        <source>Import Game</source>
        <translation>Partie importieren</translation>
    </message>
    <message>
        <source>PGN Games (*.pgn);;All Files (*)</source>
        <translation>PGN-Partien (*.pgn);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; no game was imported</source>
        <translation>%1 ist größer als 64 MB; es wurde keine Partie importiert</translation>
    </message>
    <message>
        <source>Finished game exported to %1</source>
        <translation>Beendete Partie nach %1 exportiert</translation>
    </message>
    <message>
        <source>Game exported to %1</source>
        <translation>Partie nach %1 exportiert</translation>
    </message>
    <message>
        <source>Finished game copied</source>
        <translation>Beendete Partie kopiert</translation>
    </message>
    <message>
        <source>Game copied</source>
        <translation>Partie kopiert</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>der Zwischenablage</translation>
    </message>
    <message>
        <source>Position copied</source>
        <translation>Stellung kopiert</translation>
    </message>
    <message>
        <source>The clipboard holds no position in FEN:
%1</source>
        <translation>Die Zwischenablage enthält keine Stellung in FEN:
%1</translation>
    </message>
    <message>
        <source>Cannot import from %1:
%2</source>
        <translation>Import aus %1 nicht möglich:
%2</translation>
    </message>
    <message>
        <source>Cannot import from %1: it holds no game in PGN</source>
        <translation>Import aus %1 nicht möglich: keine Partie in PGN enthalten</translation>
    </message>
    <message>
        <source>Cannot import from %1: it holds %2 games, more than the %3 the game list can show</source>
        <translation>Import aus %1 nicht möglich: %2 Partien enthalten, mehr als die %3, die die Partieliste zeigen kann</translation>
    </message>
    <message>
        <source>This game cannot be imported:
%1</source>
        <translation>Diese Partie kann nicht importiert werden:
%1</translation>
    </message>
    <message>
        <source>The game starts at move %1, beyond the board&apos;s move %2: here it starts at move 1.</source>
        <translation>Die Partie beginnt bei Zug %1, nach dem letzten Zug %2 des Bretts: Hier beginnt sie bei Zug 1.</translation>
    </message>
    <message>
        <source>only the two kings are left</source>
        <translation>nur die beiden Könige sind übrig</translation>
    </message>
    <message>
        <source>the same position stands for the third time</source>
        <translation>dieselbe Stellung steht zum dritten Mal auf dem Brett</translation>
    </message>
    <message>
        <source>neither side can mate any more</source>
        <translation>keine Seite kann mehr mattsetzen</translation>
    </message>
    <message>
        <source>75 moves of each side have passed without a capture or a pawn move</source>
        <translation>75 Züge jeder Seite sind ohne Schlagen und ohne Bauernzug vergangen</translation>
    </message>
    <message>
        <source>the game record holds no more moves</source>
        <translation>die Partieaufzeichnung nimmt keine weiteren Züge auf</translation>
    </message>
    <message>
        <source>The remaining half-move was left out.</source>
        <translation>Der restliche Halbzug wurde weggelassen.</translation>
    </message>
    <message>
        <source>The remaining %1 half-moves were left out.</source>
        <translation>Die restlichen %1 Halbzüge wurden weggelassen.</translation>
    </message>
    <message>
        <source>The game was imported up to move %1 with %2 to move: %3, which ends the game here. %4</source>
        <translation>Die Partie wurde bis Zug %1 mit %2 am Zug importiert: %3, damit endet die Partie hier. %4</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Imported: </source>
        <translation>Importiert: </translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 Zug</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 Züge</translation>
    </message>
    <message>
        <source>, mate</source>
        <translation>, matt</translation>
    </message>
    <message>
        <source>, stalemate</source>
        <translation>, patt</translation>
    </message>
    <message>
        <source>, only two kings left</source>
        <translation>, nur noch zwei Könige</translation>
    </message>
    <message>
        <source>, 3-time repetition of position</source>
        <translation>, dreimalige Stellungswiederholung</translation>
    </message>
    <message>
        <source>, dead position</source>
        <translation>, tote Stellung</translation>
    </message>
    <message>
        <source>, 75-move rule</source>
        <translation>, 75-Züge-Regel</translation>
    </message>
    <message>
        <source>, 50-move rule claimed</source>
        <translation>, 50-Züge-Regel beansprucht</translation>
    </message>
    <message>
        <source>One half-move taken back: %1 to move</source>
        <translation>Ein Halbzug zurückgenommen: %1 am Zug</translation>
    </message>
    <message>
        <source>%1 half-moves taken back: %2 to move</source>
        <translation>%1 Halbzüge zurückgenommen: %2 am Zug</translation>
    </message>
    <message>
        <source>Thinking… depth %1: %2 (%3)</source>
        <translation>Rechnet… Tiefe %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Draw: White&apos;s time is up, Black cannot mate</source>
        <translation>Remis: Zeit von Weiß abgelaufen, Schwarz kann nicht mattsetzen</translation>
    </message>
    <message>
        <source>Draw!  White&apos;s time is up, Black cannot mate.</source>
        <translation>Remis!  Die Zeit von Weiß ist abgelaufen, Schwarz kann nicht mattsetzen.</translation>
    </message>
    <message>
        <source>Draw: Black&apos;s time is up, White cannot mate</source>
        <translation>Remis: Zeit von Schwarz abgelaufen, Weiß kann nicht mattsetzen</translation>
    </message>
    <message>
        <source>Draw!  Black&apos;s time is up, White cannot mate.</source>
        <translation>Remis!  Die Zeit von Schwarz ist abgelaufen, Weiß kann nicht mattsetzen.</translation>
    </message>
    <message>
        <source>White lost on time</source>
        <translation>Weiß hat auf Zeit verloren</translation>
    </message>
    <message>
        <source>White lost on time.</source>
        <translation>Weiß hat auf Zeit verloren.</translation>
    </message>
    <message>
        <source>Black lost on time</source>
        <translation>Schwarz hat auf Zeit verloren</translation>
    </message>
    <message>
        <source>Black lost on time.</source>
        <translation>Schwarz hat auf Zeit verloren.</translation>
    </message>
    <message>
        <source>W</source>
        <comment>White on a clock</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>B</source>
        <comment>Black on a clock</comment>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Chessboard</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Show Board Lines</source>
        <translation>Brettlinien zeigen</translation>
    </message>
    <message>
        <source>White On Top</source>
        <translation>Weiß oben</translation>
    </message>
    <message>
        <source>Piece Set:</source>
        <translation>Figurensatz:</translation>
    </message>
    <message>
        <source>White Square Color</source>
        <translation>Weiße Felder</translation>
    </message>
    <message>
        <source>Black Square Color</source>
        <translation>Schwarze Felder</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Search Depth:</source>
        <translation>Suchtiefe:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TGameAnalysis</name>
    <message>
        <source>The analysis stopped: %1</source>
        <translation>Die Analyse wurde abgebrochen: %1</translation>
    </message>
    <message>
        <source>The game cannot be analysed: %1</source>
        <translation>Die Partie kann nicht analysiert werden: %1</translation>
    </message>
    <message>
        <source>%1 gave no score for position %2 of the game</source>
        <translation>%1 lieferte keine Bewertung für Stellung %2 der Partie</translation>
    </message>
</context>
<context>
    <name>TGameListDialog</name>
    <message>
        <source>1 game is damaged and cannot be imported:</source>
        <translation>1 Partie ist beschädigt und kann nicht importiert werden:</translation>
    </message>
    <message>
        <source>%1 games are damaged and cannot be imported:</source>
        <translation>%1 Partien sind beschädigt und können nicht importiert werden:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Import Game</source>
        <translation>Partie importieren</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>TMatch</name>
    <message>
        <source>A match has from 1 to %1 games, not %2</source>
        <translation>Ein Match hat 1 bis %1 Partien, nicht %2</translation>
    </message>
    <message>
        <source>The time control %1 is not one a match can be played at</source>
        <translation>Mit der Bedenkzeit %1 kann kein Match gespielt werden</translation>
    </message>
    <message>
        <source>Match: %1 %2 – %3 %4 after %5 of %6 game</source>
        <translation>Match: %1 %2 – %3 %4 nach %5 von %6 Partie</translation>
    </message>
    <message>
        <source>Match: %1 %2 – %3 %4 after %5 of %6 games</source>
        <translation>Match: %1 %2 – %3 %4 nach %5 von %6 Partien</translation>
    </message>
</context>
<context>
    <name>TMoveListView</name>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>TMoveTyping</name>
    <message>
        <source>%1 is not a move</source>
        <translation>%1 ist kein Zug</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 ist kein zulässiger Zug</translation>
    </message>
    <message>
        <source>%1 does not say which piece the pawn becomes</source>
        <translation>%1 sagt nicht, in welche Figur sich der Bauer umwandelt</translation>
    </message>
    <message>
        <source>%1 is ambiguous: %2</source>
        <translation>%1 ist mehrdeutig: %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Not played: the computer is to move</source>
        <translation>Nicht gespielt: Der Computer ist am Zug</translation>
    </message>
    <message>
        <source>Not played: %1</source>
        <translation>Nicht gespielt: %1</translation>
    </message>
    <message>
        <source>Not played: the board takes no move now</source>
        <translation>Nicht gespielt: Das Brett nimmt jetzt keinen Zug an</translation>
    </message>
    <message>
        <source>Your move: %1</source>
        <translation>Ihr Zug: %1</translation>
    </message>
</context>
<context>
    <name>TNewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Time control</source>
        <translation>Bedenkzeit</translation>
    </message>
    <message>
        <source>No clock: the clocks count up</source>
        <translation>Ohne Bedenkzeit: Die Uhren zählen aufwärts</translation>
    </message>
    <message>
        <source>%1 (%2 min, %3 s a move)</source>
        <translation>%1 (%2 min, %3 s pro Zug)</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation>&amp;Uhr:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>a move</source>
        <translation>pro Zug</translation>
    </message>
    <message>
        <source>Each side:</source>
        <translation>Jede Seite:</translation>
    </message>
    <message>
        <source>&amp;Vary the computer&apos;s first moves at every level</source>
        <translation>Eröffnungszüge des Computers auf jeder Stufe &amp;variieren</translation>
    </message>
    <message>
        <source>The lower levels always vary their openings; this lets the higher ones vary too</source>
        <translation>Die unteren Stufen variieren ihre Eröffnungen immer; hiermit variieren auch die oberen</translation>
    </message>
    <message>
        <source>Two computers with a clock play a match, colours alternating</source>
        <translation>Zwei Computer mit Bedenkzeit spielen ein Match mit wechselnden Farben</translation>
    </message>
    <message>
        <source>&amp;Games of a match between computers:</source>
        <translation>&amp;Partien eines Matches zwischen Computern:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Engines...</source>
        <translation>&amp;Engines...</translation>
    </message>
    <message>
        <source>Minutes per side</source>
        <translation>Minuten je Seite</translation>
    </message>
    <message>
        <source>Seconds added after each move</source>
        <translation>Sekunden Zuschlag nach jedem Zug</translation>
    </message>
    <message>
        <source>Games of a match between computers</source>
        <translation>Partien eines Matches zwischen Computern</translation>
    </message>
    <message>
        <source>Full strength</source>
        <translation>Volle Stärke</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Spielstärke:</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>%1 plays at full strength</source>
        <translation>%1 spielt mit voller Stärke</translation>
    </message>
    <message>
        <source>%1&apos;s strength</source>
        <translation>Spielstärke %1</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
</context>
<context>
    <name>TPlayerChoice</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Gelegenheitsspieler</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschrittener</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Vereinsspieler</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Elo</source>
        <translation>Elo</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <translation>Stärkestufe</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>strength</source>
        <translation>Stärke</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Classic grey</source>
        <translation>Klassisch grau</translation>
    </message>
    <message>
        <source>Brown wood</source>
        <translation>Braunes Holz</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Bitmaps of the Options dialog</source>
        <translation>Bitmaps des Optionen-Dialogs</translation>
    </message>
    <message>
        <source>Staunton outlines</source>
        <translation>Staunton-Umrisse</translation>
    </message>
    <message>
        <source>Lines and arcs</source>
        <translation>Linien und Bögen</translation>
    </message>
    <message>
        <source>Turned wood</source>
        <translation>Gedrechseltes Holz</translation>
    </message>
    <message>
        <source>Mark the &amp;last move and a king in check</source>
        <translation>Den &amp;letzten Zug und einen König im Schach markieren</translation>
    </message>
    <message>
        <source>&amp;Click a piece, then its target, to move</source>
        <translation>Zum Ziehen eine Figur an&amp;klicken, dann ihr Zielfeld</translation>
    </message>
    <message>
        <source>Show the &amp;targets of the piece in hand</source>
        <translation>Die &amp;Zielfelder der gewählten Figur zeigen</translation>
    </message>
    <message>
        <source>Castle by dropping the king on its &amp;rook</source>
        <translation>Rochieren, indem der König auf seinen &amp;Turm gezogen wird</translation>
    </message>
    <message>
        <source>Choose the piece a &amp;pawn becomes</source>
        <translation>Umwandlungs&amp;figur eines Bauern selbst wählen</translation>
    </message>
    <message>
        <source>Moves in standard notation, in t&amp;wo columns</source>
        <translation>Züge in Standard&amp;notation, in zwei Spalten</translation>
    </message>
    <message>
        <source>Status and results in w&amp;ords</source>
        <translation>Status und Ergebnisse in &amp;Worten</translation>
    </message>
    <message>
        <source>Keep the &amp;final position until a new game</source>
        <translation>Die &amp;Endstellung bis zu einer neuen Partie stehen lassen</translation>
    </message>
    <message>
        <source>&amp;Draws by dead position and the 50- and 75-move rules</source>
        <translation>&amp;Remis durch tote Stellung und die 50- und 75-Züge-Regel</translation>
    </message>
    <message>
        <source>&amp;Ask before discarding a game</source>
        <translation>Vor dem &amp;Verwerfen einer Partie fragen</translation>
    </message>
    <message>
        <source>Show what the computer is thin&amp;king</source>
        <translation>Zeigen, was der Computer &amp;denkt</translation>
    </message>
    <message>
        <source>After a &amp;game between computers, wait for New Game</source>
        <translation>Nach einer &amp;Partie zwischen Computern auf „Neue Partie“ warten</translation>
    </message>
    <message>
        <source>Show an e&amp;valuation bar beside the board</source>
        <translation>Einen &amp;Bewertungsbalken neben dem Brett zeigen</translation>
    </message>
    <message>
        <source>&amp;Board fills the window</source>
        <translation>Das Brett f&amp;üllt das Fenster</translation>
    </message>
    <message>
        <source>Play sou&amp;nds for moves, captures, check and the game&apos;s end</source>
        <translation>Töne für Züge, Schlagzüge, Sc&amp;hach und das Partieende spielen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Pa&amp;use between the computer&apos;s moves:</source>
        <translation>Pa&amp;use zwischen den Zügen des Computers:</translation>
    </message>
    <message>
        <source>While the computer plays both sides, so that you can follow the game</source>
        <translation>Während der Computer beide Seiten spielt, damit Sie der Partie folgen können</translation>
    </message>
    <message>
        <source>Pause between the computer&apos;s moves</source>
        <translation>Pause zwischen den Zügen des Computers</translation>
    </message>
    <message>
        <source>The colours of the frame and the squares; the toolbar&apos;s colour buttons still change the squares after</source>
        <translation>Die Farben des Rahmens und der Felder; die Farbknöpfe der Werkzeugleiste ändern die Felder danach weiterhin</translation>
    </message>
    <message>
        <source>Automatic: the bitmaps of the Options dialog, and the Staunton outlines while the board fills the window</source>
        <translation>Automatisch: die Bitmaps des Optionen-Dialogs, und die Staunton-Umrisse, solange das Brett das Fenster füllt</translation>
    </message>
    <message>
        <source>Preview of the pieces</source>
        <translation>Vorschau der Figuren</translation>
    </message>
    <message>
        <source>Board t&amp;heme:</source>
        <translation>Farb&amp;schema des Bretts:</translation>
    </message>
    <message>
        <source>P&amp;ieces:</source>
        <translation>F&amp;iguren:</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>&amp;Modern</translation>
    </message>
    <message>
        <source>Tick every preference</source>
        <translation>Alle Einstellungen ankreuzen</translation>
    </message>
    <message>
        <source>Cla&amp;ssic</source>
        <translation>Kl&amp;assisch</translation>
    </message>
    <message>
        <source>Play as the game always played: every preference off</source>
        <translation>Spielen wie immer: alle Einstellungen aus</translation>
    </message>
    <message>
        <source>R&amp;emember settings</source>
        <translation>Einstellun&amp;gen merken</translation>
    </message>
    <message>
        <source>Keep these settings in a file in your config folder for the next start</source>
        <translation>Diese Einstellungen für den nächsten Start in einer Datei in Ihrem Konfigurationsordner aufbewahren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TUciEngine</name>
    <message>
        <source>%1 crashed</source>
        <translation>%1 ist abgestürzt</translation>
    </message>
    <message>
        <source>%1 ended (exit code %2)</source>
        <translation>%1 wurde beendet (Exitcode %2)</translation>
    </message>
    <message>
        <source>%1 before it finished the UCI handshake</source>
        <translation>%1, bevor die UCI-Begrüßung abgeschlossen war</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 gave no answer to the UCI handshake within %2 ms: is it a UCI engine?</source>
        <translation>%1 hat innerhalb von %2 ms nicht auf die UCI-Begrüßung geantwortet: Ist es eine UCI-Engine?</translation>
    </message>
    <message>
        <source>%1 did not report ready within %2 ms</source>
        <translation>%1 hat sich nicht innerhalb von %2 ms bereit gemeldet</translation>
    </message>
    <message>
        <source>%1 gave no move in time</source>
        <translation>%1 hat nicht rechtzeitig gezogen</translation>
    </message>
</context>
<context>
    <name>TZugwerkApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot delete file %1</source>
        <translation>Die Datei %1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>Der Datenstrom konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Der Datenstrom konnte nicht geladen werden</translation>
    </message>
</context>
</TS>
