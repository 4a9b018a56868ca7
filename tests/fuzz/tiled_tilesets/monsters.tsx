<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="monsters" tilewidth="15" tileheight="15" tilecount="16" columns="16">
 <image source="monsters.png" width="240" height="15"/>
 <tile id="0">
  <properties>
   <property name="number" type="int" value="0"/>
   <property name="kind" type="int" value="0"/>
   <property name="damage" type="int" value="1"/>
   <property name="hitpoints" type="int" value="2"/>
  </properties>
 </tile>
 <tile id="1">
  <properties>
   <property name="number" type="int" value="1"/>
   <property name="kind" type="int" value="1"/>
   <property name="damage" type="int" value="1"/>
   <property name="hitpoints" type="int" value="3"/>
  </properties>
 </tile>
 <tile id="2">
  <properties>
   <property name="number" type="int" value="2"/>
   <property name="kind" type="int" value="1"/>
   <property name="damage" type="int" value="1"/>
   <property name="hitpoints" type="int" value="5"/>
  </properties>
 </tile>
 <tile id="3">
  <properties>
   <property name="number" type="int" value="3"/>
   <property name="kind" type="int" value="0"/>
   <property name="damage" type="int" value="1"/>
   <property name="hitpoints" type="int" value="6"/>
  </properties>
 </tile>
 <tile id="4">
  <properties>
   <property name="number" type="int" value="4"/>
   <property name="kind" type="int" value="1"/>
   <property name="damage" type="int" value="2"/>
   <property name="hitpoints" type="int" value="8"/>
  </properties>
 </tile>
 <tile id="5">
  <properties>
   <property name="number" type="int" value="5"/>
   <property name="kind" type="int" value="2"/>
   <property name="damage" type="int" value="2"/>
   <property name="hitpoints" type="int" value="14"/>
  </properties>
 </tile>
 <tile id="6">
  <properties>
   <property name="number" type="int" value="6"/>
   <property name="kind" type="int" value="1"/>
   <property name="damage" type="int" value="3"/>
   <property name="hitpoints" type="int" value="14"/>
  </properties>
 </tile>
 <tile id="7">
  <properties>
   <property name="number" type="int" value="7"/>
   <property name="kind" type="int" value="0"/>
   <property name="damage" type="int" value="5"/>
   <property name="hitpoints" type="int" value="22"/>
  </properties>
 </tile>
 <tile id="8">
  <properties>
   <property name="number" type="int" value="8"/>
   <property name="kind" type="int" value="2"/>
   <property name="damage" type="int" value="5"/>
   <property name="hitpoints" type="int" value="30"/>
  </properties>
 </tile>
 <tile id="9">
  <properties>
   <property name="number" type="int" value="9"/>
   <property name="kind" type="int" value="2"/>
   <property name="damage" type="int" value="4"/>
   <property name="hitpoints" type="int" value="20"/>
  </properties>
 </tile>
 <tile id="10">
  <properties>
   <property name="number" type="int" value="10"/>
   <property name="kind" type="int" value="0"/>
   <property name="damage" type="int" value="10"/>
   <property name="hitpoints" type="int" value="55"/>
  </properties>
 </tile>
 <tile id="11">
  <properties>
   <property name="number" type="int" value="11"/>
   <property name="kind" type="int" value="2"/>
   <property name="damage" type="int" value="6"/>
   <property name="hitpoints" type="int" value="40"/>
  </properties>
 </tile>
 <tile id="12">
  <properties>
   <property name="number" type="int" value="12"/>
   <property name="kind" type="int" value="3"/>
   <property name="damage" type="int" value="7"/>
   <property name="hitpoints" type="int" value="40"/>
  </properties>
 </tile>
 <tile id="13">
  <properties>
   <property name="number" type="int" value="13"/>
   <property name="kind" type="int" value="1"/>
   <property name="damage" type="int" value="12"/>
   <property name="hitpoints" type="int" value="90"/>
  </properties>
 </tile>
 <tile id="14">
  <properties>
   <property name="number" type="int" value="14"/>
   <property name="kind" type="int" value="3"/>
   <property name="damage" type="int" value="10"/>
   <property name="hitpoints" type="int" value="80"/>
  </properties>
 </tile>
 <tile id="15">
  <properties>
   <property name="number" type="int" value="15"/>
   <property name="kind" type="int" value="2"/>
   <property name="damage" type="int" value="15"/>
   <property name="hitpoints" type="int" value="150"/>
  </properties>
 </tile>
</tileset>
