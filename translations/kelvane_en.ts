<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>SoundTableEditor</name>
    <message numerus="yes">
        <source>%1 of %n sound(s)</source>
        <translation>
            <numerusform>%1 of %n sound</numerusform>
            <numerusform>%1 of %n sounds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::ImportDialog</name>
    <message numerus="yes">
        <source>%n sound(s) of these names are in the folder already. Replace them?</source>
        <translation>
            <numerusform>%n sound of that name is in the folder already. Replace it?</numerusform>
            <numerusform>%n sounds of these names are in the folder already. Replace them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) could not be made.</source>
        <translation>
            <numerusform>%n sound could not be made.</numerusform>
            <numerusform>%n sounds could not be made.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::KelvaneWindow</name>
    <message numerus="yes">
        <source> Made %n game sound(s); %1 kept as they were; %2 failed.</source>
        <translation>
            <numerusform> Made %n game sound; %1 kept as they were; %2 failed.</numerusform>
            <numerusform> Made %n game sounds; %1 kept as they were; %2 failed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n sound(s) encoded again at 44100 Hz.</source>
        <translation>
            <numerusform> %n sound encoded again at 44100 Hz.</numerusform>
            <numerusform> %n sounds encoded again at 44100 Hz.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::SoundTablePanel</name>
    <message numerus="yes">
        <source>Put the .bak backups of %n selected sound(s) back in their places?</source>
        <translation>
            <numerusform>Put the .bak backup of the selected sound back in its place?</numerusform>
            <numerusform>Put the .bak backups of %n selected sounds back in their places?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) could not be restored.</source>
        <translation>
            <numerusform>%n sound could not be restored.</numerusform>
            <numerusform>%n sounds could not be restored.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n .bak and .newer file(s) beside the selected sounds?</source>
        <translation>
            <numerusform>Remove %n .bak and .newer file beside the selected sounds?</numerusform>
            <numerusform>Remove %n .bak and .newer files beside the selected sounds?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be removed.</source>
        <translation>
            <numerusform>%n file could not be removed.</numerusform>
            <numerusform>%n files could not be removed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edit(s) not written</source>
        <translation>
            <numerusform>%n edit not written</numerusform>
            <numerusform>%n edits not written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stock values of %n sound(s)</source>
        <translation>
            <numerusform>stock values of %n sound</numerusform>
            <numerusform>stock values of %n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Writing %n sound(s)</source>
        <translation>
            <numerusform> Writing %n sound</numerusform>
            <numerusform> Writing %n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Listing cancelled: %1 of %n sound(s) listed.</source>
        <translation>
            <numerusform> Listing cancelled: %1 of %n sound listed.</numerusform>
            <numerusform> Listing cancelled: %1 of %n sounds listed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Listed %n sound(s) of %1</source>
        <translation>
            <numerusform> Listed %n sound of %1</numerusform>
            <numerusform> Listed %n sounds of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Wrote %n sound(s), %1 unchanged, %2 not written.</source>
        <translation>
            <numerusform> Wrote %n sound, %1 unchanged, %2 not written.</numerusform>
            <numerusform> Wrote %n sounds, %1 unchanged, %2 not written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n sound(s)</source>
        <comment>shown of listed</comment>
        <translation>
            <numerusform>%1 of %n sound</numerusform>
            <numerusform>%1 of %n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Compared with %1: %n sound(s) differ, %2 only in the mod.</source>
        <translation>
            <numerusform> Compared with %1: %n sound differs, %2 only in the mod.</numerusform>
            <numerusform> Compared with %1: %n sounds differ, %2 only in the mod.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n backup file(s) of this folder tree have no sound beside them; they stay until you remove them yourself (see the details).</source>
        <translation>
            <numerusform>%n backup file of this folder tree has no sound beside it; it stays until you remove it yourself (see the details).</numerusform>
            <numerusform>%n backup files of this folder tree have no sound beside them; they stay until you remove them yourself (see the details).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) extracted into %1; they are the mod&apos;s own now, ready to edit.</source>
        <translation>
            <numerusform>%n sound extracted into %1; it is the mod&apos;s own now, ready to edit.</numerusform>
            <numerusform>%n sounds extracted into %1; they are the mod&apos;s own now, ready to edit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept as they were: a file of that name is there already.</source>
        <translation>
            <numerusform>%n kept as it was: a file of that name is there already.</numerusform>
            <numerusform>%n kept as they were: files of those names are there already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be extracted.</source>
        <translation>
            <numerusform>%n could not be extracted.</numerusform>
            <numerusform>%n could not be extracted.</numerusform>
        </translation>
    </message>
</context>
</TS>
