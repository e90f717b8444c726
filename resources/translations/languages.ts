<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>languages</name>
    <message>
        <source>en</source>
        <translation>English</translation>
    </message>
    <message>
        <source>de</source>
        <translation>Deutsch</translation>
    </message>
</context>
</TS>
