# The command line's options, each said once: its long and short names, its argument in
# English and in Italian, and what it does in English and in Italian. The program's --help
# (options.h) and the OPTIONS of both manual pages are made from this list.
set(TEMPIDEX_OPTIONS
    "convert|c|DATE|DATA|Converts each Latin DATE into a modern day, with its year where the \
date has one.|Converte ogni DATA latina nel giorno moderno, con l'anno se la data ne ha uno."
    "to-latin|l|DATE|DATA|Writes each modern DATE in Latin: D/M, D/M/Y, YYYY-MM-DD, or D and \
the Italian month's name with an optional year.|Scrive in latino ogni DATA moderna: G/M, \
G/M/A, AAAA-MM-GG, o G mese con l'anno se c'è."
    "leap||||With --to-latin: a date without a year is in a leap year.|Con --to-latin: una data \
senza anno è di un anno bisestile."
    "long||||With --to-latin: the date as a sentence (ante diem undevicesimum Kalendas \
Ianuarias).|Con --to-latin: per esteso (ante diem undevicesimum Kalendas Ianuarias)."
    "julian||||Counts every year by the Julian calendar, also after 1582.|Conta ogni anno col \
calendario giuliano, anche dopo il 1582."
    "style||=STYLE|=STILE|How the years of the Christian era were counted, in reading them and, \
with --to-latin, in writing them: modern (from 1 January, the default), florentine (from the \
25 March after), pisan (from the 25 March before), venetian (from the 1 March after), nativity \
(from the 25 December before), byzantine (from the 1 September before), easter (from Easter \
after), or their Italian names.|Come si contano gli anni dell'era cristiana, leggendoli e, con --to-latin, scrivendoli: \
moderno (dal 1° gennaio, il predefinito), fiorentino (dal 25 marzo seguente), pisano (dal 25 \
marzo precedente), veneto (dal 1° marzo seguente), natività (dal 25 dicembre precedente), \
bizantino (dal 1° settembre precedente), pasquale (da Pasqua seguente), o i nomi inglesi."
    "indiction||=START|=INIZIO|When the indiction began its year, to check an indiction a \
clause gives: greek (1 September, the default), bedan (24 September) or roman (1 \
January).|Quando comincia l'anno dell'indizione, per verificare quella scritta nella data: \
greca (1° settembre, il predefinito), bedana (24 settembre) o romana (1° gennaio)."
    "explain||||After each answer, a tab and why: how the days were counted, or why there is \
no such day.|Dopo ogni risposta, una tabulazione e il perché: come si contano i giorni, o \
perché quel giorno non c'è."
    "csv||=COLUMN|=COLONNA|Reads FILE as a spreadsheet (CSV) and converts its COLUMN, named by \
its header or its number from 1: the whole file is written out with five columns added, Data, \
ISO, Giuliano, Spiegazione (with --explain) and Avvisi.|Legge FILE come foglio di calcolo (CSV) \
e converte la COLONNA, indicata dall'intestazione o dal numero da 1: scrive tutto il file con \
cinque colonne in più, Data, ISO, Giuliano, Spiegazione (con --explain) e Avvisi."
    "separator||=SEP|=SEP|With --csv: the separator of the fields, a comma, a semicolon or tab, \
instead of the one found in the header line.|Con --csv: il separatore dei campi, virgola, punto \
e virgola o tab, invece di quello trovato nella riga d'intestazione."
    "tei||||With --convert: reads FILE as a TEI edition and gives each date element whose text \
is a Latin date the attribute when, and for a Julian day when-custom and datingMethod, leaving \
every other byte as it was.|Con --convert: legge FILE come edizione TEI e dà a ogni elemento \
date con una data latina l'attributo when e, per un giorno giuliano, when-custom e \
datingMethod, lasciando com'è ogni altro byte."
    "json||||Writes one JSON object per line read: the day, the ISO dates, the calendar, the \
years of the styles, the checks, the explanation and the warnings.|Scrive un oggetto JSON per \
riga letta: il giorno, le date ISO, il calendario, gli anni degli stili, le verifiche, la \
spiegazione e gli avvisi."
    "calendar||YEAR [MONTH]|ANNO [MESE]|Prints the perpetual calendar of YEAR: golden number, epact, dominical \
letters, indiction, Easter's table and every movable day, or with a MONTH, that month day by day \
with weekday, Roman name and feasts.|Stampa il calendario perpetuo dell'ANNO: numero d'oro, \
epatta, lettere domenicali, indizione, tavola pasquale e ogni festa mobile, o con un MESE, quel \
mese giorno per giorno con giorno della settimana, nome romano e feste."
    "help|h|||Shows the options, in Italian.|Mostra questo aiuto."
    "version|v|||Shows the version.|Mostra la versione.")

# Splits an entry into name, short, argument_en, argument_it, en and it, in the caller.
macro(tempidex_option_fields entry)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 name)
    list(GET fields 1 short)
    list(GET fields 2 argument_en)
    list(GET fields 3 argument_it)
    list(GET fields 4 en)
    list(GET fields 5 it)
endmacro()
